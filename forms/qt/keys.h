// What a key press is, as the program's controls tell them apart.
#pragma once

#include <QKeyEvent>

#include "forms/qt/box_text.h"

namespace forms::qt {

inline bool isEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Ctrl and Ctrl+Shift keys are shortcuts, not typed text, as in Qt.
inline bool isShortcutKey(const QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::ControlModifier ||
           modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
}

// Typed text that Qt's editors would drop (see qtDropsText).
inline bool qtDropsTypedText(const QKeyEvent* event) {
    return !isShortcutKey(event) && qtDropsText(event->text());
}

}  // namespace forms::qt
