#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>

using kelvane::CliRunner;

TEST(CliUsage, BadInvocationsGetUsageAndStatusTwo) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{}, std::vector<std::string>{"stirling"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(CliRunner().Run(args, out, err), 2);
        EXPECT_NE(err.str().find("usage: kelvane-cli"), std::string::npos);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CliUsage, HelpGoesToStandardOutput) {
    std::ostringstream out, err;
    EXPECT_EQ(CliRunner().Run({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("ENGINE"), std::string::npos);
}
