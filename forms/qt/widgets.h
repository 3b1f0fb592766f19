// Small widget classes that give Qt's controls the behaviour the windows need.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QMargins>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>

namespace forms::qt {

// A push button whose caption wraps over several lines when it is wider than the button, and
// which Enter (main or keypad) and Return click as well as Space, as on the desktop's own
// dialogs. A held key clicks once: auto-repeated presses do nothing, so a key held on Exit
// cannot go on to press the focused "Yes" of the confirmation that opens, also where the
// platform passes a repeat off as a new press.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// A single-selection list. While nothing is selected, the first arrow key selects the entry
// under the cursor instead of moving past it. Once an entry is chosen one stays chosen: no
// click, Ctrl+click or Ctrl+Space of the user's goes back to nothing selected.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent);

    int selectedRow() const;
    // Programs may still clear the choice.
    void clearChoice();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepChoice(const QItemSelection& deselected);
    bool clearing_ = false;
};

// A one-line box: any length unless a maximum is given, and never a line break. Pasted,
// dropped or composed text is cut at its first line break. The maximum counts characters (code
// points), not UTF-16 units: a character that does not fit is left out whole, never halved.
// A cut insertion is one edit that undo takes back, and a drop that the box cannot take whole
// is a copy: the source keeps its text.
class LineBox : public QLineEdit {
    Q_OBJECT
public:
    LineBox(QWidget* parent, int maxLength);

    // Characters the box takes at most; 0 for no limit. (Qt's own maxLength() stays off: it
    // counts UTF-16 units.)
    int maxCharacters() const { return maxCharacters_; }
    // The text as it was before the change now being checked.
    const QString& acceptedText() const { return accepted_; }
    // The user's edit now being checked must be cut to `cut`, with the cursor at `cursor`.
    // Qt would wipe the undo history to correct it, so the edit is refused (Qt takes it back
    // and keeps the history) and the box makes the cut edit itself once Qt is done with it.
    void cutEdit(const QString& cut, int cursor);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct PendingEdit {
        QString from;
        QString to;
        int cursor;
    };
    void makePendingEdit();
    void startUndoStep();

    int maxCharacters_;
    QString accepted_;
    std::optional<PendingEdit> pending_;
    bool cut_ = false;  // an edit was cut since this was last cleared
};

// A multi-line box whose text uses CR LF line ends, as the script text and the layouts do.
// It takes plain text only and gives back exactly what it holds: only its own line breaks
// read as CR LF; any other character, be it a no-break space, a line or paragraph separator or
// a noncharacter, stays that character, also on the clipboard and to an input method. Half of
// a character (a lone surrogate) comes in as U+FFFD.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);

    QString crlfText() const;
    void setCrlfText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace forms::qt
