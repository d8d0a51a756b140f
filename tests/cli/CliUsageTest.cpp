#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>

using kelvane::CliRunner;

TEST(CliUsage, BadInvocationsGetUsageAndStatusTwo) {
    // Numbers out of their option's range are refused, never wrapped around.
    for (std::vector<std::string> args : {
             std::vector<std::string>{},
             {"stirling"},
             {"gamma", "--picture", "/nonexistent/x.png", "--size", "4294967306x10"},
             {"gamma", "--picture", "/nonexistent/x.png", "--size", "10x0"},
             {"gamma", "--picture", "/nonexistent/x.png", "--size", "10001x10"},
             {"gamma", "--picture", "/nonexistent/x.png", "--size", "10x+-10"},
             {"gamma", "--calc", "4294967297"},
             {"gamma", "--calc", "-1"},
             {"ringbom", "--steps", "99999999999999999999"},
             {"rider", "--at", "-4294967296"},
         }) {
        std::ostringstream out, err;
        EXPECT_EQ(CliRunner().Run(args, out, err), 2);
        EXPECT_NE(err.str().find("usage: kelvane-cli"), std::string::npos);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CliUsage, HelpAndVersionGoToStandardOutput) {
    std::ostringstream out, err;
    EXPECT_EQ(CliRunner().Run({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("ENGINE"), std::string::npos);

    std::ostringstream version, versionErr;
    EXPECT_EQ(CliRunner().Run({"--version"}, version, versionErr), 0);
    EXPECT_EQ(version.str(), std::string("kelvane-cli ") + KELVANE_VERSION + "\n");
    EXPECT_TRUE(versionErr.str().empty());
}

// A misspelt field or a check-box value other than Y or N would be ignored
// or read as unticked: each is one line naming the field, status 2, no output.
TEST(CliUsage, SetNamesAFieldOfTheEngineAndChecksTakeYOrN) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errorStart; // "" for a run that must succeed
    } cases[] = {
        {{"gamma", "--set", "HotTmp=500"},
         2,
         "kelvane-cli: --set: the gamma engine has no field 'HotTmp'; its fields are HotTemp, "},
        {{"rider", "--set", "StripChartCB=Y"},
         2,
         "kelvane-cli: --set: the rider engine has no field"},
        {{"ringbom", "--set", "StripChartCB=yes"},
         2,
         "kelvane-cli: --set: StripChartCB takes Y or N, not 'yes'"},
        {{"ringbom", "--set", "AllDataCB=\x1b[2J"},
         2,
         "kelvane-cli: --set: AllDataCB takes Y or N, not '\\x1B[2J'"},
        {{"gamma", "--set", std::string(200, 'x') + "=1"}, 2, "kelvane-cli: --set: the gamma"},
        {{"ringbom", "--set", "StripChartCB=n", "--set", "AllDataCB=y"}, 0, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(CliRunner().Run(c.args, out, err), c.status) << c.args[2];
        if (c.status == 0)
            continue;
        EXPECT_EQ(err.str().rfind(c.errorStart, 0), 0u) << err.str();
        EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line: " << err.str();
        EXPECT_LT(err.str().size(), 400u);
        EXPECT_TRUE(out.str().empty());
    }
}

// What the user typed comes back escaped and cut short: a line break cannot
// start a line without the prefix, an escape sequence cannot reach the
// terminal and a huge value cannot flood it.
TEST(CliUsage, UsageErrorsEchoTheTextEscapedAndShort) {
    const std::string huge(100000, '7');
    for (const std::string& typed : {std::string("1\n2"), std::string("\x1b[2J"), huge}) {
        const std::vector<std::string> cases[] = {
            {typed},
            {"gamma", "--" + typed},
            {"gamma", "--calc", typed},
            {"ringbom", "--steps", typed},
            {"rider", "--at", typed},
            {"gamma", "--picture", "/nonexistent/x.png", "--size", typed},
            {"gamma", "--sweep", typed},
            {"gamma", "--set", typed},
        };
        for (const std::vector<std::string>& args : cases) {
            std::ostringstream out, err;
            EXPECT_EQ(CliRunner().Run(args, out, err), 2);
            const std::string message = err.str().substr(0, err.str().find("usage: kelvane-cli"));
            SCOPED_TRACE(message.substr(0, 200));
            EXPECT_EQ(message.rfind("kelvane-cli: ", 0), 0u);
            EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line";
            EXPECT_EQ(message.find('\x1b'), std::string::npos);
            EXPECT_LT(message.size(), 300u);
            EXPECT_TRUE(out.str().empty());
        }
    }
}
