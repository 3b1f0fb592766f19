#include "forms/qt/widgets.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QValidator>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <utility>

namespace forms::qt {

namespace {

bool isEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Whether a character of two UTF-16 units starts at i.
bool isPairAt(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// Code points in the text; a lone surrogate counts as one.
int characterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPairAt(text, i)) {
            ++i;
        }
        ++count;
    }
    return count;
}

// Start of the code point that ends at `end`.
qsizetype previousCharacter(const QString& text, qsizetype end) {
    if (end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate()) {
        return end - 2;
    }
    return end - 1;
}

// Sees every change of a LineBox, however it came (keys, paste, drop, input method, the
// program). The box held a valid text before the change, so what makes the new text too long
// or puts a line break in it came with the text just inserted, which ends at the cursor.
class OneLineValidator : public QValidator {
public:
    explicit OneLineValidator(LineBox* box) : QValidator(box), box_(box) {}

    State validate(QString& text, int& cursor) const override {
        // Program text (setText) has no history and is always corrected; a user's edit has
        // one, which a corrected text would wipe out.
        if (!cut(text, cursor, box_->maxCharacters()) || !box_->isUndoAvailable()) {
            return Acceptable;
        }
        box_->cutEdit(text, cursor);
        return Invalid;
    }

    // Cuts the insertion that ends at the cursor as the box does; whether anything went.
    static bool cut(QString& text, int& cursor, int maxCharacters) {
        const QString proposed = text;
        cutAtLineBreak(text, cursor);
        if (maxCharacters > 0) {
            cutToLength(text, cursor, maxCharacters);
        }
        return text != proposed;
    }

private:
    // Drops the rest of the insertion from its first line break on.
    static void cutAtLineBreak(QString& text, int& cursor) {
        const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
        const auto first = std::find_if(text.cbegin(), text.cend(), isBreak);
        if (first != text.cend()) {
            const auto at = static_cast<int>(first - text.cbegin());
            const int insertedEnd = std::max(cursor, at);
            text.remove(at, insertedEnd - at);
            text.erase(std::remove_if(text.begin(), text.end(), isBreak), text.end());
            cursor = at;
        }
    }

    // Drops whole characters from the end of the insertion until the text fits.
    static void cutToLength(QString& text, int& cursor, int maxCharacters) {
        int excess = characterCount(text) - maxCharacters;
        if (excess <= 0) {
            return;
        }
        qsizetype start = std::clamp<qsizetype>(cursor, 0, text.size());
        const qsizetype end = start;
        for (; excess > 0 && start > 0; --excess) {
            start = previousCharacter(text, start);
        }
        text.remove(start, end - start);
        cursor = static_cast<int>(start);
        // Only if the cursor was not at the end of the insertion: cut the end of the text.
        qsizetype size = text.size();
        for (; excess > 0 && size > 0; --excess) {
            size = previousCharacter(text, size);
        }
        text.truncate(size);
        cursor = std::min(cursor, static_cast<int>(size));
    }

    LineBox* box_;
};

// The text document keeps three characters for itself: U+2029 separates its blocks, U+FDD0 and
// U+FDD1 mark frames, and text holding them would come back with line breaks in their place.
// In the document they stand as lone low surrogates. No text can hold one: a lone surrogate is
// not a character, and any that comes in becomes U+FFFD (as it would in UTF-8 anyway), so a
// stand-in is never mistaken for the user's text. Each is one UTF-16 unit, as is the character
// it stands for, so positions and lengths in the document are those of the text. A low
// surrogate after a high one is the second half of a character, not a stand-in.
struct StandIn {
    char16_t character;
    char16_t standIn;
};
constexpr StandIn kStandIns[] = {
    {0x2029, 0xDC29},
    {0xFDD0, 0xDDD0},
    {0xFDD1, 0xDDD1},
};

QChar standInFor(QChar c) {
    for (const StandIn& s : kStandIns) {
        if (c.unicode() == s.character) {
            return QChar(s.standIn);
        }
    }
    return c;
}

QChar characterFor(QChar standIn) {
    for (const StandIn& s : kStandIns) {
        if (standIn.unicode() == s.standIn) {
            return QChar(s.character);
        }
    }
    return QChar::ReplacementCharacter;
}

// The text with each half of a character (a lone surrogate) as U+FFFD, as UTF-8 would have it.
QString wholeCharacters(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isPairAt(out, i)) {
            ++i;
        } else if (out[i].isSurrogate()) {
            out[i] = QChar::ReplacementCharacter;
        }
    }
    return out;
}

// Text as the document holds it: every CR LF, lone CR or lone LF becomes a block break. The
// halves of a character pass through standInFor() unchanged.
QString toDocument(const QString& text) {
    const QString whole = wholeCharacters(text);
    QString out;
    out.reserve(whole.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QChar c = whole[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < whole.size() && whole[i + 1] == u'\n') {
                ++i;
            }
        } else {
            out += standInFor(c);
        }
    }
    return out;
}

enum class BlockBreaks { AsCrLf, Kept };

// Document text (blocks separated by U+2029) as the box's text.
QString fromDocument(const QString& raw, BlockBreaks breaks = BlockBreaks::AsCrLf) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (isPairAt(raw, i)) {
            out += c;
            out += raw[++i];
        } else if (c.isSurrogate()) {
            out += characterFor(c);
        } else if (c == QChar::ParagraphSeparator && breaks == BlockBreaks::AsCrLf) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

// Ctrl and Ctrl+Shift keys are shortcuts, not typed text, as in Qt.
bool isShortcutKey(const QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier ||
           modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
}

// Whether Qt's editors would drop this typed text: they take only what they know as a
// character, so noncharacters, code points newer than Qt's tables and halves of a character
// are lost.
bool qtDropsTypedText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || isShortcutKey(event)) {
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPairAt(text, i)) {
            const char32_t codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            if (QChar::category(codePoint) == QChar::Other_NotAssigned) {
                return true;
            }
            ++i;
        } else if (text[i].isSurrogate() || text[i].category() == QChar::Other_NotAssigned) {
            return true;
        }
    }
    return false;
}

// Typed text that the multi-line box inserts itself: what Qt would drop, and the characters
// the document would take as its own marks.
bool insertsTypedTextItself(const QKeyEvent* event) {
    if (qtDropsTypedText(event)) {
        return true;
    }
    const QString text = event->text();
    return !isShortcutKey(event) &&
           std::any_of(text.cbegin(), text.cend(), [](QChar c) { return standInFor(c) != c; });
}

}  // namespace

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (caption.isEmpty()) {
        return;
    }
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    area.adjust(2, 0, -2, 0);
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) {
        flags |= Qt::TextHideMnemonic;
    }
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

namespace {

// The last release of a key on a button. The X server repeats a held key as a release and a
// press with one timestamp; Qt marks the pair as a repeat only when the press has already
// arrived as it reads the release, which a busy program can miss. The keyboard is one for the
// whole program, and the release may reach another button than the press (the focus moves to
// the dialog that a press opened).
struct KeyRelease {
    int key = 0;
    quint64 timestamp = 0;
};
KeyRelease lastRelease;

bool isRepeat(const QKeyEvent* event) {
    return event->isAutoRepeat() || (event->timestamp() != 0 && event->key() == lastRelease.key &&
                                     event->timestamp() == lastRelease.timestamp);
}

}  // namespace

void WrapButton::keyPressEvent(QKeyEvent* event) {
    const bool repeat = isRepeat(event);
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (isEnterKey(event) && plain) {
        event->accept();
        if (!repeat) {
            click();
        }
        return;
    }
    if (repeat && event->key() == Qt::Key_Space) {
        // Space clicks on its release; a repeat must not press the button down first.
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void WrapButton::keyReleaseEvent(QKeyEvent* event) {
    lastRelease = {event->key(), event->timestamp()};
    QPushButton::keyReleaseEvent(event);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are as wide as the list was drawn for; a style whose scroll bar is wider must not
    // take a row away for a horizontal one.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection&, const QItemSelection& deselected) {
                keepChoice(deselected);
            });
}

int ListBox::selectedRow() const {
    const auto rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::clearChoice() {
    clearing_ = true;
    clearSelection();
    clearing_ = false;
}

void ListBox::keepChoice(const QItemSelection& deselected) {
    if (clearing_ || deselected.isEmpty() || selectionModel()->hasSelection()) {
        return;
    }
    // Whatever took the choice away (Ctrl+click, Ctrl+Space, a click below the entries), the
    // entry that was chosen stays chosen.
    selectionModel()->select(deselected.indexes().first(),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    // Qt marks the first entry as current on focus; drawn highlighted, it would look chosen
    // while nothing is selected and Generate would then produce nothing.
    if (!hadCurrent && selectedRow() < 0) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (count() > 0 && !currentIndex().isValid()) {
        // Without a current entry Qt would answer every movement key with the first entry;
        // start from it so that End, Page Down and typed letters move as they should.
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && event->modifiers() == Qt::NoModifier && selectedRow() < 0 && count() > 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

LineBox::LineBox(QWidget* parent, int maxLength)
    : QLineEdit(parent), maxCharacters_(std::max(maxLength, 0)) {
    // Qt's limit counts UTF-16 units and would cut a character in half; the validator keeps
    // the limit instead. Without it the box also takes more than Qt's default of 32767.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
    setValidator(new OneLineValidator(this));
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Tab walks the window's focus order rather than typing a tab character.
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

QString MultiLineBox::crlfText() const {
    // toPlainText() would turn no-break spaces into blanks and separators into line breaks.
    QString raw;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            raw += QChar::ParagraphSeparator;
        }
        raw += block.text();
    }
    return fromDocument(raw);
}

void MultiLineBox::setCrlfText(const QString& text) {
    setPlainText(toDocument(text));
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

void LineBox::dragMoveEvent(QDragMoveEvent* event) {
    QLineEdit::dragMoveEvent(event);
    if (!event->isAccepted()) {
        return;
    }
    // Another program takes the action it is told here, as the drag passes over, and deletes
    // what it moved when the drop lands: a drop the box would cut must be a copy already.
    const QString dropped = event->mimeData()->text();
    const int at = cursorPositionAt(event->position().toPoint());
    QString proposed = text();
    proposed.insert(at, dropped);
    int cursor = at + static_cast<int>(dropped.size());
    if (OneLineValidator::cut(proposed, cursor, maxCharacters_)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void LineBox::dropEvent(QDropEvent* event) {
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

void MultiLineBox::keyPressEvent(QKeyEvent* event) {
    if (insertsTypedTextItself(event)) {
        if (!isReadOnly()) {
            insertPlainText(toDocument(event->text()));
            ensureCursorVisible();
        }
        event->accept();
        return;
    }
    if (isEnterKey(event) && (event->modifiers() & Qt::ShiftModifier)) {
        // Shift+Enter makes the box's own line break, not a line separator inside the line.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = toDocument(event->commitString());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent mapped(event->preeditString(), event->attributes());
    mapped.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

QVariant MultiLineBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    // The input method sees the text itself; stand-ins keep every position where it is.
    QVariant value = QPlainTextEdit::inputMethodQuery(query);
    if (value.typeId() == QMetaType::QString) {
        value = fromDocument(value.toString(), BlockBreaks::Kept);
    }
    return value;
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    // What Qt 6.4 answers for a plain-text editor, spelt out to match insertFromMimeData().
    return source != nullptr && !source->text().isEmpty();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    // Qt's paste() calls this without asking canInsertFromMimeData(), also on a read-only box
    // and with a clipboard that holds no text (no owner, rich text or a picture only); an
    // empty insertion would still delete the selection. Qt's own version checks the same.
    if (source == nullptr || isReadOnly() || source->text().isEmpty()) {
        return;
    }
    insertPlainText(toDocument(source->text()));
    ensureCursorVisible();
}

QMimeData* MultiLineBox::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    mime->setText(fromDocument(textCursor().selectedText()));
    return mime;
}

}  // namespace forms::qt
