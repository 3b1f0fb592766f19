#pragma once

#include <QLineEdit>
#include <optional>

namespace forms::qt {

// A one-line box: any length unless a maximum is given, and never a line break. Pasted,
// dropped or composed text is cut at its first line break. The maximum counts characters (code
// points), not UTF-16 units: a character that does not fit is left out whole, never halved.
// A cut insertion is one edit that undo takes back, and a drop that the box cannot take whole
// is a copy: the source keeps its text. Where the source allows no copy, that drop is refused.
class LineBox : public QLineEdit {
    Q_OBJECT
public:
    LineBox(QWidget* parent, int maxLength);

    // Characters the box takes at most; 0 for no limit. (Qt's own maxLength() stays off: it
    // counts UTF-16 units.)
    int maxCharacters() const { return maxCharacters_; }
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
    // Whether the text a drag carries would be cut, dropped where it is now.
    bool dropWouldBeCut(const QDropEvent& event);
    void makePendingEdit();
    void startUndoStep();

    int maxCharacters_;
    QString accepted_;
    std::optional<PendingEdit> pending_;
    bool cut_ = false;  // an edit was cut since this was last cleared
};

}  // namespace forms::qt
