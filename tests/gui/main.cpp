#include <gtest/gtest.h>
#include <QApplication>

#include "forms/qt/program_font.h"
#include "support/desktop_look.h"

namespace {

QtMessageHandler qtMessages = nullptr;

// The headless platform has no stacking order and says so whenever a window is brought
// forward; on a desktop that is a real request, so the program makes it all the same.
void dropHeadlessNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support raise()")) {
        return;
    }
    qtMessages(type, context, text);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtMessages = qInstallMessageHandler(dropHeadlessNoise);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!testsupport::applyDesktopLook()) {
        return 1;
    }
    forms::qt::applyProgramFont();
    testsupport::settleSessionTheme();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
