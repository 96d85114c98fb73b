#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "support/TestSupport.h"
#include "core/Text.h"

// Tests never touch the user's own files: the XDG folders point into a private temporary
// folder for the whole run.
int main(int argc, char** argv) {
    QTemporaryDir home;
    PrepareTestEnvironment(home.path());
    QCoreApplication app(argc, argv);
    UseDotDecimalsInCLibrary();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
