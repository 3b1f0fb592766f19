// Another program for the X tests to drag text out of: a multi-line box in the top left corner
// that holds its first argument, all selected. Closed by the window manager, it prints what its
// box holds then, so a test sees whether a drop took the text away.
#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QPlainTextEdit box;
    box.setWindowTitle(QStringLiteral("Quarnix test: drag source"));
    box.setPlainText(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
    box.selectAll();
    box.setGeometry(0, 0, 300, 120);
    box.show();
    const int status = QApplication::exec();
    std::fputs(box.toPlainText().toUtf8().constData(), stdout);
    return status;
}
