#include "foundations/TIniFile.h"
#include "foundations/EIniFileError.h"
#include "foundations/FileAccess.h"

#include "IniTestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvane;

namespace {

class IniFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string file = folder / "Kelvane.INI";
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("GammaHot", "Temp", "300"), "300");
    EXPECT_EQ(ini.ReadInteger("Gamma", "Left", 17), 17);
    EXPECT_FALSE(std::filesystem::exists(file));

    ini.WriteString("GammaHot", "Temp", "450");
    ini.WriteInteger("Gamma", "Left", -2000);
    EXPECT_EQ(ReadBytes(file), "[GammaHot]\nTemp=450\n[Gamma]\nLeft=-2000\n");
    EXPECT_EQ(ini.ReadString("GammaHot", "Temp", "300"), "450");
    EXPECT_EQ(ini.ReadInteger("Gamma", "Left", 0), -2000);
    EXPECT_EQ(ini.ReadString("GammaHot", "Other", "d"), "d");
    EXPECT_EQ(ini.ReadString("NoSuchSection", "Temp", "d"), "d");
}

TEST_F(IniFileTest, WritesKeepEveryOtherByteOfTheFile) {
    const std::string before = "; Kelvane settings\r\n"
                               "\r\n"
                               "[Main]\r\n"
                               "Left=10\r\n"
                               "# a note\r\n"
                               "Top = 20\r\n"
                               "\r\n"
                               "[GammaHot]\r\n"
                               "  Temp =  300  \r\n"
                               "junk line without equals\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "Temp=1\r\n";
    WriteBytes(file, before);
    TIniFile ini(file);

    // In place: key spelling, spacing before the value and the CR LF stay.
    ini.WriteString("GammaHot", "Temp", "12,5");
    std::string expected = before;
    expected.replace(expected.find("300  "), 5, "12,5");
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(ini.ReadString("GammaHot", "Temp", ""), "12,5");

    // A new key goes after the section's last entry, before the trailing blank line.
    ini.WriteString("Main", "Width", "800");
    expected.insert(expected.find("Top = 20\r\n") + 10, "Width=800\r\n");
    EXPECT_EQ(ReadBytes(file), expected);

    // A new section goes at the end, with the file's line ends.
    ini.WriteString("Rider", "width", "640");
    expected += "[Rider]\r\nwidth=640\r\n";
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(ini.ReadString("Other", "Temp", ""), "1");
}

TEST_F(IniFileTest, LastLineWithoutLineEnd) {
    WriteBytes(file, "[A]\nk=1");
    TIniFile ini(file);
    ini.WriteString("A", "k", "5");
    EXPECT_EQ(ReadBytes(file), "[A]\nk=5");
    ini.WriteString("A", "j", "2");
    EXPECT_EQ(ReadBytes(file), "[A]\nk=5\nj=2\n");

    WriteBytes(file, "[A]");
    ini.WriteString("A", "k", "1");
    EXPECT_EQ(ReadBytes(file), "[A]\nk=1\n");
    WriteBytes(file, "x=1");
    ini.WriteString("B", "k", "1");
    EXPECT_EQ(ReadBytes(file), "x=1\n[B]\nk=1\n");
}

TEST_F(IniFileTest, SectionsAndKeysIgnoreCase) {
    WriteBytes(file, "[gammahot]\ntEMP=5\n[Ringbom]\nWidth=7\n");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("GammaHot", "Temp", ""), "5");
    EXPECT_EQ(ini.ReadString(" GAMMAHOT ", "temp", ""), "5");
    EXPECT_EQ(ini.ReadInteger("ringbom", "width", 0), 7);
    ini.WriteString("GAMMAHOT", "TEMP", "6");
    ini.WriteInteger("ringbom", "width", 8);
    EXPECT_EQ(ReadBytes(file), "[gammahot]\ntEMP=6\n[Ringbom]\nWidth=8\n");
}

TEST_F(IniFileTest, OnlyTheFirstOfDuplicateSectionsAndKeysCounts) {
    const std::string before = "[A]\nk=1\nk=2\n[B]\nx=0\n[a]\nk=3\nj=4\n";
    WriteBytes(file, before);
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "j", "none"), "none");
    ini.WriteString("A", "k", "9");
    ini.WriteString("A", "j", "8");
    EXPECT_EQ(ReadBytes(file), "[A]\nk=9\nk=2\nj=8\n[B]\nx=0\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ini.ReadString("A", "j", ""), "8");
}

TEST_F(IniFileTest, ValuesAreCutAt2047Characters) {
    const std::string exact(2047, 'a');
    const std::string longer = std::string(2047, 'b') + "tail";
    TIniFile ini(file);
    ini.WriteString("S", "exact", exact);
    ini.WriteString("S", "longer", longer);
    EXPECT_EQ(ini.ReadString("S", "exact", ""), exact);
    EXPECT_EQ(ini.ReadString("S", "longer", ""), std::string(2047, 'b'));
    // Stored whole: only the reading is limited.
    EXPECT_NE(ReadBytes(file).find(longer), std::string::npos);
}

TEST_F(IniFileTest, LongLineIsKeptAndReadCut) {
    const std::string huge(3 * 1024 * 1024, 'x');
    const std::string before = "[Big]\nv=" + huge + "\n[S]\nk=1\n";
    WriteBytes(file, before);
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("Big", "v", "").size(), 2047u);
    ini.WriteString("S", "k", "2");
    EXPECT_EQ(ReadBytes(file), "[Big]\nv=" + huge + "\n[S]\nk=2\n");
}

// A file that cannot be read must not be replaced by one holding only the
// keys of a save: everything else in it would be lost.
TEST_F(IniFileTest, FileThatCannotBeReadGivesDefaultsAndIsNeverReplaced) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        bool skipForRoot;
    };
    const Case cases[] = {
        {"over the size limit",
         [](const std::string& f) {
             WriteBytes(f, "[S]\nk=1\n;" + std::string(MaxReadFileSize, 'c') + "\n");
         },
         false},
        {"a FIFO", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }, false},
        {"unreadable",
         [](const std::string& f) {
             WriteBytes(f, "[S]\nk=1\n");
             ASSERT_EQ(::chmod(f.c_str(), 0200), 0);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.skipForRoot && ::geteuid() == 0)
            continue; // root reads anything
        const std::string name = folder / (std::string("case-") + c.what);
        c.make(name);
        struct stat before {};
        ASSERT_EQ(::stat(name.c_str(), &before), 0);
        TIniFile ini(name);
        EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
        EXPECT_THROW(ini.WriteString("S", "k", "2"), EIniFileError);
        struct stat after {};
        ASSERT_EQ(::stat(name.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "replaced";
        EXPECT_EQ(after.st_size, before.st_size);
    }
}

// What the program writes it must be able to read again: a write that would
// take the file past the read limit is refused, leaving the file as it was.
TEST_F(IniFileTest, WriteThatWouldPassTheReadLimitIsRefused) {
    const std::string head = "[S]\nk=1\n;"; // k=22 below adds one byte
    for (std::size_t sizeAfter : {MaxReadFileSize - 1, MaxReadFileSize, MaxReadFileSize + 1}) {
        SCOPED_TRACE(sizeAfter);
        const std::string before = head + std::string(sizeAfter - head.size() - 2, 'c') + "\n";
        WriteBytes(file, before);
        TIniFile ini(file);
        if (sizeAfter <= MaxReadFileSize) {
            ini.WriteString("S", "k", "22");
            EXPECT_EQ(ReadBytes(file).size(), sizeAfter);
            EXPECT_EQ(ini.ReadString("S", "k", ""), "22");
            continue;
        }
        try {
            ini.WriteString("S", "k", "22");
            ADD_FAILURE() << "no error";
        } catch (const EIniFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
            EXPECT_NE(e.Reason().find("Too large"), std::string::npos) << e.Reason();
        }
        EXPECT_EQ(ReadBytes(file), before);
        EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    }
}

TEST_F(IniFileTest, UpdateWritesOnceAndNothingWhenItsEditsFail) {
    WriteBytes(file, "[S]\r\nk=1\r\n");
    TIniFile ini(file);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    try {
        ini.Update([](TIniFile& f) {
            f.WriteString("S", "k", "2");
            f.WriteString("T", "j", "3");
            throw std::runtime_error("stop");
        });
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "stop");
    }
    EXPECT_EQ(ReadBytes(file), "[S]\r\nk=1\r\n");
    struct stat unchanged {};
    ASSERT_EQ(::stat(file.c_str(), &unchanged), 0);
    EXPECT_EQ(unchanged.st_ino, before.st_ino);

    ini.Update([](TIniFile& f) {
        f.WriteString("S", "k", "2");
        // Reads inside see the edits so far; a nested Update joins this one.
        EXPECT_EQ(f.ReadString("S", "k", ""), "2");
        f.Update([](TIniFile& g) { g.WriteInteger("T", "j", 3); });
        EXPECT_EQ(ReadBytes(f.FileName()), "[S]\r\nk=1\r\n") << "written before the end";
    });
    EXPECT_EQ(ReadBytes(file), "[S]\r\nk=2\r\n[T]\r\nj=3\r\n");
}

TEST_F(IniFileTest, SpacesAroundValuesAreIgnoredQuotesAreNot) {
    WriteBytes(file, "\xEF\xBB\xBF[S]\n\t a = \t 12 5 \t\r\nq=\"x\"\nempty=\n;c=1\n#d=1\n"
                     "[T\nk=bad\n");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "a", ""), "12 5");
    EXPECT_EQ(ini.ReadString("S", "q", ""), "\"x\"");
    EXPECT_EQ(ini.ReadString("S", "empty", "d"), "");
    EXPECT_EQ(ini.ReadString("S", ";c", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "#d", "d"), "d");
    // A "[" line without "]" is no section: its entries stay in [S].
    EXPECT_EQ(ini.ReadString("S", "k", ""), "bad");
}

struct IntegerCase {
    const char* text;
    int expected;
};

class ReadIntegerCases : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerCases, ConvertsOrFallsBackToDefault) {
    TempFolder folder;
    TIniFile ini(folder / "x.ini");
    ini.WriteString("Main", "Left", GetParam().text);
    EXPECT_EQ(ini.ReadInteger("Main", "Left", -1), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerCases,
                         ::testing::Values(IntegerCase{"0x64", 100}, IntegerCase{"$10", 16},
                                           IntegerCase{"12abc", -1}, IntegerCase{"", -1},
                                           IntegerCase{" 12 ", 12}, IntegerCase{"-2000", -2000},
                                           IntegerCase{"1.5", -1}, IntegerCase{"2147483648", -1}));

TEST_F(IniFileTest, ValueIsOneLineAndNamesMustBeStorable) {
    TIniFile ini(file);
    ini.WriteString("S", "k", "12\r\n[Evil]\nx=1");
    EXPECT_EQ(ReadBytes(file), "[S]\nk=12\n");
    EXPECT_THROW(ini.WriteString("S]", "k", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", " ", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", ";k", "1"), std::invalid_argument);
    EXPECT_EQ(ReadBytes(file), "[S]\nk=12\n");
}

TEST_F(IniFileTest, RefusedWriteNamesTheFile) {
    WriteBytes(folder / "plain", "not a folder");
    std::filesystem::create_directory(folder / "adir");
    for (const std::string& name :
         {folder / "missing/Kelvane.INI", folder / "plain/Kelvane.INI", folder / "adir"}) {
        TIniFile ini(name);
        try {
            ini.WriteString("S", "k", "1");
            ADD_FAILURE() << "no error for " << name;
        } catch (const EIniFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + name);
        }
        EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    }
    EXPECT_EQ(ReadBytes(folder / "plain"), "not a folder");
}

TEST_F(IniFileTest, FullDiskLeavesTheOldFileWhole) {
    const std::string before = "[S]\nk=1\n; " + std::string(200, 'c') + "\n";
    WriteBytes(file, before);
    TIniFile ini(file);

    // A file size limit makes write() fail part way, as a full disk would (even for root).
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool refused = false;
    try {
        ini.WriteString("S", "k", "2");
    } catch (const EIniFileError& e) {
        refused = std::string(e.what()) == "Unable to write to " + file;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadBytes(file), before);
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// A save through a symbolic link writes the end of the link chain, in that
// file's own folder, and keeps every link; a dangling link's target is created.
TEST_F(IniFileTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
    WriteBytes(file, "[S]\nk=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    std::filesystem::create_directories(folder / "sub/deeper");
    struct Case {
        std::string link;
        std::string to; // what the link holds
        std::string target;
        bool writable;
    };
    const Case cases[] = {
        {folder / "absolute.ini", file, file, true},
        {folder / "sub/relative.ini", "../Kelvane.INI", file, true},
        {folder / "sub/deeper/chain.ini", "../relative.ini", file, true},
        {folder / "dangling.ini", "sub/new.ini", folder / "sub/new.ini", true},
        {folder / "sub/deeper/to-dangling.ini", "../../dangling.ini", folder / "sub/new.ini", true},
        {folder / "nowhere.ini", "no/such/folder.ini", folder / "no/such/folder.ini", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        std::filesystem::create_symlink(c.to, c.link);
        if (c.writable) {
            TIniFile(c.link).WriteString("S", "k", c.link);
            EXPECT_EQ(ReadBytes(c.target), "[S]\nk=" + c.link + "\n");
        } else {
            EXPECT_THROW(TIniFile(c.link).WriteString("S", "k", "2"), EIniFileError);
        }
        EXPECT_TRUE(std::filesystem::is_symlink(c.link));
        EXPECT_EQ(std::filesystem::read_symlink(c.link), c.to);
    }
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(folder.path()),
                            std::filesystem::recursive_directory_iterator()),
              std::ssize(cases) + 4)
        << "the links, their targets and folders only";
}

} // namespace
