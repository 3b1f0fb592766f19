#include "forms/qt/multi_line_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <algorithm>

#include "forms/qt/keys.h"

namespace forms::qt {

namespace {

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
