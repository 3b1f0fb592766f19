#include <QApplication>

#include <cstdio>

#include "app/display.h"
#include "app/windows.h"
#include "forms/qt/program_font.h"
#include "forms/qt/qt_backend.h"
#include "forms/runtime.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    const app::DisplayChoice display = app::chooseDisplay();
    if (!display.failure.empty()) {
        std::fprintf(stderr, "%s\n", display.failure.c_str());
        return 1;
    }
    if (!display.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", display.platform.c_str());
    }
    QApplication application(argc, argv);
    // The choice is this program's alone: the mail program and web browser it starts choose
    // their own.
    if (!display.platform.empty()) {
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
