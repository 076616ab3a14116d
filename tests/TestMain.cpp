#include "common/ui/DesignFonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>

using namespace qs;

int main(int argc, char** argv)
{
    // Headless, on one screen of a desktop's size: the offscreen platform's own screen is
    // 800 x 800, smaller than the windows. QS_TEST_SCREEN names another screen description.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string_view(platform) == "offscreen") {
        const char* screen = std::getenv("QS_TEST_SCREEN");
        const std::string spec =
            std::string("offscreen:configfile=") + (screen ? screen : QS_DESKTOP_SCREEN);
        setenv("QT_QPA_PLATFORM", spec.c_str(), 1);
    }
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toUtf8() + "/qs-test-runtime";
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.constData(), 1);
    }
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    designfonts::Install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
