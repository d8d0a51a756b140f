#include "../AppTestSupport.h"
#include "foundations/FileAccess.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace kelvane;

namespace {

// A settings file that cannot be read: the launcher and a window start on the
// defaults, one message says so, and closing them leaves the file as it was.
TEST(UnreadableSettings, StartOnDefaultsWithOneMessageAndLeaveTheFileAlone) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    };
    const Case cases[] = {
        {"a folder", [](const std::string& f) { std::filesystem::create_directory(f); }},
        {"a FIFO", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
        {"too large",
         [](const std::string& f) {
             std::ofstream(f) << "[GammaPiston]\nThrow=45\n;" << std::string(MaxReadFileSize, 'c')
                              << "\n";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppTestEnvironment env;
        const std::string file = env.SettingsFile();
        c.make(file);
        struct stat before {};
        ASSERT_EQ(::stat(file.c_str(), &before), 0);
        {
            TKelvaneDispatchForm launcher;
            launcher.show();
            TGammaStirlingMainForm gamma;
            gamma.Timer->stop();
            gamma.show();
            EXPECT_EQ(gamma.Host().FieldText(Field::PistonThrow), "60") << "the default";
            gamma.Host().Edit(Field::PistonThrow)->setText("45");
            gamma.FormDestroy();
            launcher.FormDestroy();
        }
        ASSERT_EQ(env.platform.messages.size(), 1);
        EXPECT_TRUE(env.platform.messages[0].contains(QString::fromStdString(file)));
        EXPECT_TRUE(env.platform.messages[0].contains("default settings"));
        EXPECT_TRUE(env.errors.empty());
        struct stat after {};
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "replaced";
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
}

// A settings file that cannot be written (read-only, full disk): one plain
// message however many windows close, never the error report, and the file
// written is the one read, even when the folders change meanwhile.
TEST(UnwritableSettings, SayOnceAndGoOnWritingOnlyTheFileRead) {
    AppTestEnvironment env;
    const std::string file = env.SettingsFile();
    std::ofstream(file) << "[GammaPiston]\nThrow=45\n";
    QTemporaryDir elsewhere;
    {
        TKelvaneDispatchForm launcher;
        launcher.show();
        TGammaStirlingMainForm gamma;
        gamma.Timer->stop();
        gamma.show();
        EXPECT_EQ(gamma.Host().FieldText(Field::PistonThrow), "45");
        ::chmod(file.c_str(), 0444);
        SimulatorFrame::SetProgramFolderForTests(elsewhere.path().toStdString() + "/");
        for (int close = 0; close < 2; ++close)
            gamma.FormDestroy();
        launcher.FormDestroy();
        SimulatorFrame::SetProgramFolderForTests(env.Folder());
    }
    EXPECT_TRUE(env.errors.empty()) << env.errors.front();
    ASSERT_EQ(env.platform.messages.size(), 1);
    EXPECT_TRUE(env.platform.messages[0].contains(QString::fromStdString(file)));
    EXPECT_TRUE(env.platform.messages[0].contains("will not be kept"));
    EXPECT_FALSE(QFile::exists(elsewhere.path() + "/Kelvane.INI")) << "written where not read";
}

} // namespace
