#include "shell/KelvaneApplication.h"

#include <gtest/gtest.h>

// One application object for all app tests. They never open a real window:
// offscreen unless told otherwise (test discovery runs without the setting).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kelvane::KelvaneApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
