// The main of every test program that makes widgets, pictures or printouts: offscreen unless a platform is
// chosen, with the environment pinned.
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    PinTestEnvironment();
    PinGuiPlatform();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
