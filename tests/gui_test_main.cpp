// Test main for the window tests: a QApplication on the offscreen platform
// unless a display was chosen on purpose.
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "platform/Fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + "/quillet-test-runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillet");
    tutor::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
