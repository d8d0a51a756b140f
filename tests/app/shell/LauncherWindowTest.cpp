#include "../AppTestSupport.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// The launcher as a student first meets it; its image illustrates the
// introduction page (KELVANE_SNAPSHOTS=docs writes docs/launcher.png).
TEST(LauncherWindow, ShowsItsButtonsAndRelease) {
    AppTestEnvironment env;
    TKelvaneDispatchForm launcher;
    launcher.show();
    for (const char* name : {"GammaButton", "RingbomButton", "RiderButton", "RotaryButton",
                             "QuitButton", "IntroButton"}) {
        auto* button = launcher.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(launcher.rect().contains(button->geometry())) << name << " lies inside";
    }
    EXPECT_TRUE(launcher.ReleaseLabel()->text().startsWith("Release: "));
    // The bottom line's three captions share one row: none may cover another.
    auto* label1 = launcher.findChild<QLabel*>("Label1");
    auto* label2 = launcher.findChild<QLabel*>("Label2");
    ASSERT_TRUE(label1 && label2);
    const QRect release = launcher.ReleaseLabel()->geometry();
    EXPECT_FALSE(label1->geometry().intersects(release));
    EXPECT_FALSE(release.intersects(label2->geometry()))
        << release.right() << " reaches " << label2->geometry().left();
    EXPECT_TRUE(env.errors.empty());
    AppTestEnvironment::Snapshot(launcher, "launcher");
}

} // namespace
