#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/qt/desktop_setup.h"

// Offscreen unless told otherwise, with a runtime directory Qt need not warn about.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    const QApplication app(argc, argv);
    platform::prepareDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
