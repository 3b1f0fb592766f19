#include <QApplication>

#include "app/windows.h"
#include "forms/qt/qt_backend.h"
#include "forms/runtime.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
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
