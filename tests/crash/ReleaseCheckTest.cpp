#include "crash/ReleaseCheck.h"

#include <gtest/gtest.h>

using kelvane::ReleaseCheck;
using Messages = std::vector<std::string>;

TEST(ReleaseCheck, ComparesWithTodayAndTheExtension) {
    EXPECT_EQ(ReleaseCheck::DateText(2, 3, 2002), "2.3.2");
    EXPECT_EQ(ReleaseCheck::DateText(15, 11, 2010), "15.11.10");
    EXPECT_EQ(ReleaseCheck::Messages("2.3.2.0", 2, 3, 2002), Messages{});
    EXPECT_EQ(ReleaseCheck::Messages("2.3.2.0", 3, 3, 2002),
              Messages{"Release may not be current"});
    EXPECT_EQ(ReleaseCheck::Messages("2.3.2.1", 2, 3, 2002),
              Messages{"Release has non-zero extension"});
    EXPECT_EQ(ReleaseCheck::Messages("", 2, 3, 2002),
              (Messages{"Release may not be current", "Release has non-zero extension"}));
}
