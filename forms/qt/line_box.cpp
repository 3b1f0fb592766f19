#include "forms/qt/line_box.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <utility>

#include "forms/qt/keys.h"

namespace forms::qt {

namespace {

// Sees every change of a LineBox, however it came (keys, paste, drop, input method, the
// program). The box held a valid text before the change, so what makes the new text too long
// or puts a line break in it came with the text just inserted, which ends at the cursor.
class OneLineValidator : public QValidator {
public:
    explicit OneLineValidator(LineBox* box) : QValidator(box), box_(box) {}

    State validate(QString& text, int& cursor) const override {
        // Program text (setText) has no history and is always corrected; a user's edit has
        // one, which a corrected text would wipe out.
        if (!cutInsertion(text, cursor, box_->maxCharacters()) || !box_->isUndoAvailable()) {
            return Acceptable;
        }
        box_->cutEdit(text, cursor);
        return Invalid;
    }

private:
    LineBox* box_;
};

}  // namespace

LineBox::LineBox(QWidget* parent, int maxLength)
    : QLineEdit(parent), maxCharacters_(std::max(maxLength, 0)) {
    // Qt's limit counts UTF-16 units and would cut a character in half; the validator keeps
    // the limit instead. Without it the box also takes more than Qt's default of 32767.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
    setValidator(new OneLineValidator(this));
}

void LineBox::cutEdit(const QString& cut, int cursor) {
    cut_ = true;
    pending_.reset();
    if (cut != accepted_) {
        pending_ = PendingEdit{accepted_, cut, cursor};
        // Every way in ends in one of the box's events or menu entries, which make the edit
        // at once; this is for any other caller of paste() or insert().
        QMetaObject::invokeMethod(this, &LineBox::makePendingEdit, Qt::QueuedConnection);
    }
}

void LineBox::makePendingEdit() {
    if (!pending_) {
        return;
    }
    const PendingEdit edit = *std::exchange(pending_, std::nullopt);
    const QString now = text();
    if (now != edit.from) {
        return;  // the text has changed since
    }
    // Qt has put back the selection or the cursor the refused edit started from; the cut edit
    // replaces the same part where it can, else the part that differs.
    int start = hasSelectedText() ? selectionStart() : cursorPosition();
    int end = hasSelectedText() ? selectionEnd() : start;
    const QString& to = edit.to;
    const bool samePart = to.size() >= now.size() - (end - start) &&
                          to.startsWith(QStringView(now).left(start)) &&
                          to.endsWith(QStringView(now).mid(end));
    if (!samePart) {
        start = 0;
        while (start < now.size() && start < to.size() && now[start] == to[start]) {
            ++start;
        }
        end = static_cast<int>(now.size());
        auto toEnd = to.size();
        while (end > start && toEnd > start && now[end - 1] == to[toEnd - 1]) {
            --end;
            --toEnd;
        }
    }
    const QString inserted = to.mid(start, to.size() - (now.size() - (end - start)));
    startUndoStep();
    setSelection(start, end - start);
    insert(inserted);
    setCursorPosition(edit.cursor);
}

void LineBox::startUndoStep() {
    // Qt starts a new undo step when the cursor moves, or when an empty box is cleared; without
    // one, undo would take the cut edit back together with the typing or deletion before it.
    if (text().isEmpty()) {
        clear();
    } else {
        const int at = cursorPosition();
        setCursorPosition(at > 0 ? at - 1 : at + 1);
    }
}

bool LineBox::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    makePendingEdit();
    return handled;
}

void LineBox::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

bool LineBox::dropWouldBeCut(const QDropEvent& event) {
    const QString dropped = event.mimeData()->text();
    const int at = cursorPositionAt(event.position().toPoint());
    QString proposed = text();
    proposed.insert(at, dropped);
    int cursor = at + static_cast<int>(dropped.size());
    return cutInsertion(proposed, cursor, maxCharacters_);
}

void LineBox::dragMoveEvent(QDragMoveEvent* event) {
    QLineEdit::dragMoveEvent(event);
    if (!event->isAccepted() || !dropWouldBeCut(*event)) {
        return;
    }
    // Another program takes the action it is told here, as the drag passes over, and deletes
    // what it moved when the drop lands: a drop the box would cut must be a copy already, and
    // where the program allows no copy, the box takes nothing.
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LineBox::dropEvent(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction) && dropWouldBeCut(*event)) {
        event->ignore();
        return;
    }
    cut_ = false;
    QLineEdit::dropEvent(event);
    makePendingEdit();
    // The source deletes what it moved: text the box could not take whole stays there too.
    if (cut_ && event->isAccepted()) {
        event->setDropAction(Qt::CopyAction);
    }
}

void LineBox::contextMenuEvent(QContextMenuEvent* event) {
    // As QLineEdit's own, but the menu's entries act outside the box's events: a cut edit that
    // one leaves (Paste) is made as soon as it is done.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        connect(action, &QAction::triggered, this, &LineBox::makePendingEdit);
    }
    menu->popup(event->globalPos());
}

void LineBox::keyPressEvent(QKeyEvent* event) {
    if (qtDropsTypedText(event)) {
        // A noncharacter or a character newer than Qt's tables is still the user's text.
        if (!isReadOnly()) {
            insert(wholeCharacters(event->text()));
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace forms::qt
