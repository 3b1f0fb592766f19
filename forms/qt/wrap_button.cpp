#include "forms/qt/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "forms/qt/keys.h"

namespace forms::qt {

WrapButton::KeyRelease WrapButton::lastRelease_;

bool WrapButton::isRepeat(const QKeyEvent* event) {
    return event->isAutoRepeat() || (event->timestamp() != 0 && event->key() == lastRelease_.key &&
                                     event->timestamp() == lastRelease_.timestamp);
}

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
    lastRelease_ = {event->key(), event->timestamp()};
    QPushButton::keyReleaseEvent(event);
}

}  // namespace forms::qt
