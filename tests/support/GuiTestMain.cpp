#include <gtest/gtest.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <cstring>

#include "render/gl/RenderDevice.h"
#include "support/TestSupport.h"
#include "core/Text.h"

// For tests that draw: a widget application on the display the test runs on (Xvfb in CI).
// Listing the tests needs no display.
int main(int argc, char** argv) {
    QTemporaryDir home;
    PrepareTestEnvironment(home.path());
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    if (listing) return RUN_ALL_TESTS();
    QSurfaceFormat::setDefaultFormat(ProgramSurfaceFormat());
    QApplication app(argc, argv);
    UseDotDecimalsInCLibrary();
    return RUN_ALL_TESTS();
}
