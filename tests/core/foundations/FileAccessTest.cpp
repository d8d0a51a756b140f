#include "foundations/FileAccess.h"

#include "IniTestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvane;

namespace {

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

TEST(ReadRegularFile, ReadsOnlyRegularFilesWithinTheLimit) {
    TempFolder folder;
    WriteBytes(folder / "eight", "12345678");
    WriteBytes(folder / "nine", "123456789");
    std::filesystem::create_symlink(folder / "eight", folder / "link");
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling");
    std::filesystem::create_symlink(folder / "loopB", folder / "loopA");
    std::filesystem::create_symlink(folder / "loopA", folder / "loopB");
    std::filesystem::create_directory(folder / "dir");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    WriteBytes(folder / "secret", "x");
    ASSERT_EQ(::chmod((folder / "secret").c_str(), 0200), 0);

    struct Case {
        std::string path;
        ReadStatus status;
        const char* problemPart; // nullptr: read
    };
    const Case cases[] = {
        {folder / "eight", ReadStatus::Read, nullptr},
        {folder / "link", ReadStatus::Read, nullptr},
        {folder / "nine", ReadStatus::TooLarge, "Too large"},
        {folder / "absent", ReadStatus::Missing, "No such file"},
        {folder / "dangling", ReadStatus::Missing, "No such file"},
        {folder / "dir", ReadStatus::NotRegular, "directory"},
        {folder / "fifo", ReadStatus::NotRegular, "FIFO"},
        {"/dev/zero", ReadStatus::NotRegular, "device"},
        {folder / "loopA", ReadStatus::SymlinkLoop, "symbolic links"},
        {folder / "eight/x", ReadStatus::Failed, "Not a directory"},
        {folder / "secret", ReadStatus::Unreadable, "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.status == ReadStatus::Unreadable && ::geteuid() == 0)
            continue; // root reads anything
        FileContents got = ReadRegularFile(c.path, 8);
        EXPECT_EQ(got.status, c.status);
        if (c.problemPart) {
            EXPECT_NE(got.problem.find(c.problemPart), std::string::npos) << got.problem;
            EXPECT_TRUE(got.bytes.empty());
        } else {
            EXPECT_EQ(got.bytes, "12345678");
            EXPECT_TRUE(got.problem.empty());
        }
    }
    // The default limit is the documented one.
    WriteBytes(folder / "big", std::string(MaxReadFileSize + 1, 'x'));
    EXPECT_EQ(ReadRegularFile(folder / "big").status, ReadStatus::TooLarge);
    EXPECT_EQ(ReadRegularFile(folder / "big", MaxReadFileSize + 1).bytes.size(),
              MaxReadFileSize + 1);
}

TEST(WriteFileAtomically, ReplacesContentKeepingPermissionsAndOwner) {
    TempFolder folder;
    const std::string file = folder / "x.PAR";
    for (mode_t mode : {0600u, 0640u, 0755u, 0200u}) {
        SCOPED_TRACE(mode);
        WriteBytes(file, "old");
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        WriteOutcome done = WriteFileAtomically(file, "new");
        EXPECT_TRUE(done.ok) << done.problem;
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        ASSERT_EQ(::chmod(file.c_str(), 0600), 0); // readable for the check below
        EXPECT_EQ(ReadBytes(file), "new");
    }
    ::umask(022);
    ASSERT_TRUE(WriteFileAtomically(folder / "new.PAR", "made").ok);
    struct stat st {};
    ASSERT_EQ(::stat((folder / "new.PAR").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u) << "a new file follows the umask";
    EXPECT_EQ(ReadBytes(folder / "new.PAR"), "made");

    ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
    if (::geteuid() == 0) { // only root may give a file away
        ASSERT_EQ(::chown(file.c_str(), 4242, 4343), 0);
        ASSERT_TRUE(WriteFileAtomically(file, "owned").ok);
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4242u);
        EXPECT_EQ(st.st_gid, 4343u);
        EXPECT_EQ(st.st_mode & 07777, 0604u);
    }
    EXPECT_EQ(NamesIn(folder.path()), (std::set<std::string>{"x.PAR", "new.PAR"}));
}

TEST(WriteFileAtomically, RefusesWhatItMustNotReplace) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dir");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    WriteBytes(folder / "readonly", "keep");
    ASSERT_EQ(::chmod((folder / "readonly").c_str(), 0444), 0);
    std::filesystem::create_symlink(folder / "loopB", folder / "loopA");
    std::filesystem::create_symlink(folder / "loopA", folder / "loopB");

    struct Case {
        std::string path;
        const char* problemPart;
    };
    const Case cases[] = {
        {folder / "dir", "directory"},
        {folder / "fifo", "FIFO"},
        {"/dev/full", "device"},
        // Refused even for root: a file without any write bit was made read-only.
        {folder / "readonly", "Permission denied"},
        {folder / "loopA", "symbolic links"},
        {folder / "no/such/folder", "No such file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        WriteOutcome done = WriteFileAtomically(c.path, "new");
        EXPECT_FALSE(done.ok);
        EXPECT_NE(done.problem.find(c.problemPart), std::string::npos) << done.problem;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir"));
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo"));
    EXPECT_EQ(ReadBytes(folder / "readonly"), "keep");
    EXPECT_EQ(NamesIn(folder.path()),
              (std::set<std::string>{"dir", "fifo", "readonly", "loopA", "loopB"}));
}

// A process killed in the middle of its write (here by the file size limit's
// signal) leaves at most a temporary file, which the next save of the same
// target removes along with those of earlier versions whose process is gone.
// Names of NAME_MAX characters are written and replaced alike.
TEST(WriteFileAtomically, KilledSavesLeaveNothingForLongAndTheNextSaveRemovesIt) {
    pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string live = std::to_string(::getpid());
    const std::string dead = std::to_string(gone);
    struct Writer {
        const char* what;
        WriteOutcome (*write)(const std::string&, std::string_view);
    };
    for (const Writer& w : {Writer{"unnamed where offered", &WriteFileAtomically},
                            Writer{"named", &detail::WriteThroughNamedTemporary}}) {
        TempFolder folder;
        const long nameMax = ::pathconf(folder.path().c_str(), _PC_NAME_MAX);
        for (std::size_t length : {std::size_t(250), static_cast<std::size_t>(nameMax)}) {
            SCOPED_TRACE(std::string(w.what) + " " + std::to_string(length));
            const std::string name(length, 'n');
            WriteOutcome made = w.write(folder / name, "new");
            EXPECT_TRUE(made.ok) << made.problem;
            WriteOutcome replaced = w.write(folder / name, "again");
            EXPECT_TRUE(replaced.ok) << replaced.problem;
            EXPECT_EQ(ReadBytes(folder / name), "again");
            EXPECT_EQ(NamesIn(folder.path()), std::set<std::string>{name});
            std::filesystem::remove(folder / name);
        }

        SCOPED_TRACE(w.what);
        const std::string file = folder / "x.PAR";
        const std::set<std::string> kept = {"x.PAR", "x.PAR.tmp-" + live + "-1",
                                            "y.PAR.tmp-" + dead + "-0", "x.PAR.tmp-x-0"};
        for (const std::string& name : kept)
            WriteBytes(folder / name, "");
        WriteBytes(file, "old");
        WriteBytes(folder / ("x.PAR.tmp-" + dead + "-7"), "");
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            struct rlimit limit = {0, 0};
            ::setrlimit(RLIMIT_CORE, &limit);
            limit = {100, 100};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_DFL);
            w.write(file, std::string(1000, 'k'));
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child was not killed in its write";
        EXPECT_EQ(ReadBytes(file), "old");
        EXPECT_LE(NamesIn(folder.path()).size(), kept.size() + 2);

        ASSERT_TRUE(w.write(file, "new").ok);
        EXPECT_EQ(ReadBytes(file), "new");
        EXPECT_EQ(NamesIn(folder.path()), kept);
    }
}

} // namespace
