#include <QApplication>
#include <QByteArray>

#include "app/windows.h"
#include "forms/qt/qt_backend.h"
#include "forms/runtime.h"
#include "shell/main_window.h"

namespace {

// Every window is placed centred, which only X lets a program do; on Wayland the compositor
// places them. So X wherever there is an X server (Xwayland too), Wayland only where it is
// alone, and the user's own QT_QPA_PLATFORM over both. Returns whether it chose one.
bool choosePlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return false;
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool chosePlatform = choosePlatform();
    QApplication application(argc, argv);
    // The choice is this program's alone: the mail program and web browser it starts choose
    // their own.
    if (chosePlatform) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    QApplication::setApplicationName(QStringLiteral("Quarnix"));
    QApplication::setApplicationVersion(QStringLiteral("0.01"));
    QApplication::setOrganizationName(QStringLiteral("Vorlak"));
    // The runtime decides when the program ends (the last shown window, or an exit
    // confirmation), not Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    forms::qt::applyProgramFont();

    forms::qt::QtBackend backend;
    forms::Forms forms(backend);
    app::defineAllWindows(forms);

    shell::frmquarnixload_Form_Load(forms);
    if (backend.quitRequested()) {
        return 0;
    }
    return QApplication::exec();
}
