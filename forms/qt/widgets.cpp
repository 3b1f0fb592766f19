#include "forms/qt/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
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

// The box already holds no line break, so the first one in the edited text came with the text
// just inserted, which ends at the cursor: drop the rest of that insertion.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override {
        const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
        const auto first = std::find_if(text.cbegin(), text.cend(), isBreak);
        if (first != text.cend()) {
            const auto at = static_cast<int>(first - text.cbegin());
            const int insertedEnd = std::max(cursor, at);
            text.remove(at, insertedEnd - at);
            text.erase(std::remove_if(text.begin(), text.end(), isBreak), text.end());
            cursor = at;
        }
        return Acceptable;
    }
};

// The text document uses U+2029 as its own block separator, so a paragraph separator that is
// part of the text is kept in the document as this noncharacter, which text never holds (the
// document itself uses U+FDD0 and U+FDD1 to mark frames).
constexpr char16_t kParagraphStandIn = 0xFDEF;

// Text as the document holds it: every CR LF, lone CR or lone LF becomes a block break.
QString toDocument(QString text) {
    text.replace(QChar::ParagraphSeparator, QChar(kParagraphStandIn));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Raw document text (blocks separated by U+2029) as the box's text.
QString fromDocument(QString raw) {
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar(kParagraphStandIn), QChar::ParagraphSeparator);
    return raw;
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

void WrapButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (isEnterKey(event) && plain) {
        event->accept();
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
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

LineBox::LineBox(QWidget* parent, int maxLength) : QLineEdit(parent) {
    // Without a maximum the box takes any length, not Qt's default of 32767 characters.
    setMaxLength(maxLength > 0 ? maxLength : std::numeric_limits<int>::max());
    // A validator sees every change, however it came (keys, paste, drop, input method).
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

void MultiLineBox::keyPressEvent(QKeyEvent* event) {
    if (event->text().contains(QChar::ParagraphSeparator)) {
        // A typed paragraph separator is a character of the text, not a line break.
        if (!isReadOnly()) {
            insertPlainText(toDocument(event->text()));
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
    if (!event->commitString().contains(QChar::ParagraphSeparator)) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent mapped(event->preeditString(), event->attributes());
    mapped.setCommitString(toDocument(event->commitString()), event->replacementStart(),
                           event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    // The clipboard may hold nothing at all (no owner), or only rich text or a picture.
    if (source == nullptr || isReadOnly() || !source->hasText()) {
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
