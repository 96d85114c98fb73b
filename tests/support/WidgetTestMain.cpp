#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "support/TestSupport.h"
#include "core/Text.h"

// For tests of windows and pictures that need no OpenGL: a widget application on Qt's
// offscreen platform, so no display is needed.
int main(int argc, char** argv) {
    QTemporaryDir home;
    PrepareTestEnvironment(home.path());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    UseDotDecimalsInCLibrary();
    return RUN_ALL_TESTS();
}
