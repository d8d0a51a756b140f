#include "foundations/MapHost.h"
#include "foundations/ParameterFile.h"
#include "foundations/TIniFile.h"

#include "IniTestFiles.h"

#include <gtest/gtest.h>

#include "gamma/GammaFields.h"
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvane;

namespace {

// Children save two full sets of parameters in turn, over and over, and are
// killed at random moments. After each kill the file must hold wholly one set
// or wholly the other, and at most one temporary file (of the save the kill
// interrupted) may be left, which the next save removes.
TEST(ParameterSave, KilledSavesLeaveOneWholeSet) {
    TempFolder folder;
    const std::string file = folder / "engine.PAR";
    const ParameterTable& table = GammaFields();
    std::map<std::string, std::string> sets[2];
    MapHost hosts[2] = {MapHost(table), MapHost(table)};
    for (int s = 0; s < 2; ++s) {
        int i = 0;
        for (const FieldRow& row : table.rows()) {
            std::string text = row.IsCheckBox() ? (s == 0 ? "Y" : "N")
                                                : (s == 0 ? "a" : "b") + std::to_string(++i);
            if (row.IsCheckBox())
                hosts[s].PutChecked(row.id, s == 0);
            else
                hosts[s].Put(row.id, text);
            sets[s][std::string(row.section) + "/" + row.key] = text;
        }
    }
    // Other content of the file that every save must keep.
    WriteBytes(file, "; notes\n[Other]\nk=1\n");
    // Kill within a few saves' time, however slow the disk's syncs are.
    auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 4; ++n)
        SaveParameterFile(hosts[(n + 1) % 2], table, file);
    auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count() /
                  4;

    // Each child tells of every save it completes, so that some kills come
    // after whole saves whatever the machine's speed (a sanitizer's fork, a
    // loaded machine), and the rest at random moments inside a save.
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> completed(0, 2);
    std::uniform_int_distribution<long> delayUs(0, 2 * saveUs + 500);
    bool seen[2] = {false, false};
    for (int kill = 0; kill < 30; ++kill) {
        int done[2];
        ASSERT_EQ(::pipe(done), 0);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(done[0]);
            for (int n = 1;; ++n) { // the other set first: the file holds set 0
                try {
                    SaveParameterFile(hosts[n % 2], table, file);
                } catch (...) {
                    ::_exit(2);
                }
                if (::write(done[1], "s", 1) != 1)
                    ::_exit(3);
            }
        }
        ::close(done[1]);
        char byte;
        for (int wait = completed(random); wait > 0; --wait)
            ASSERT_EQ(::read(done[0], &byte, 1), 1) << "the child stopped saving";
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        ::close(done[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped on its own";

        TIniFile ini(file);
        std::map<std::string, std::string> found;
        for (const FieldRow& row : table.rows())
            found[std::string(row.section) + "/" + row.key] =
                ini.ReadString(row.section, row.key, "?");
        int which = found == sets[0] ? 0 : found == sets[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "a mix of both sets after kill " << kill;
        seen[which] = true;
        ASSERT_EQ(ini.ReadString("Other", "k", ""), "1");
        auto entries = [&folder] {
            int count = 0;
            for ([[maybe_unused]] const auto& e :
                 std::filesystem::directory_iterator(folder.path()))
                ++count;
            return count;
        };
        ASSERT_LE(entries(), 2);
        SaveParameterFile(hosts[which], table, file);
        ASSERT_EQ(entries(), 1) << "a temporary file outlived the next save";
    }
    EXPECT_TRUE(seen[0] && seen[1]) << "the children never completed a save";
}

} // namespace
