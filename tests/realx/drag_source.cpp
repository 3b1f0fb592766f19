// Another program for the X tests to drag text out of: a multi-line box in the top left corner
// that holds its first argument, all selected. Closed by the window manager, it prints what its
// box holds then, so a test sees whether a drop took the text away. With "move-only" as its
// second argument, a press drags the selection offering the move action alone, as some
// programs' drags do.
#include <QApplication>
#include <QDrag>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

class Source : public QPlainTextEdit {
public:
    explicit Source(bool moveOnly) : moveOnly_(moveOnly) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (!moveOnly_) {
            QPlainTextEdit::mousePressEvent(event);
            return;
        }
        auto* drag = new QDrag(this);
        drag->setMimeData(createMimeDataFromSelection());
        if (drag->exec(Qt::MoveAction) == Qt::MoveAction) {
            textCursor().removeSelectedText();
        }
    }

private:
    bool moveOnly_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Source box(argc > 2 && qstrcmp(argv[2], "move-only") == 0);
    box.setWindowTitle(QStringLiteral("Quarnix test: drag source"));
    box.setPlainText(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
    box.selectAll();
    box.setGeometry(0, 0, 300, 120);
    box.show();
    const int status = QApplication::exec();
    std::fputs(box.toPlainText().toUtf8().constData(), stdout);
    return status;
}
