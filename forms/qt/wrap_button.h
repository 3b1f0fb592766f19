#pragma once

#include <QPushButton>

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

private:
    // The last release of a key on any button. The X server repeats a held key as a release
    // and a press with one timestamp; Qt marks the pair as a repeat only when the press has
    // already arrived as it reads the release, which a busy program can miss. The keyboard is
    // one for the whole program, and the release may reach another button than the press (the
    // focus moves to the dialog that a press opened), so it is shared by all buttons.
    struct KeyRelease {
        int key = 0;
        quint64 timestamp = 0;
    };
    static KeyRelease lastRelease_;
    static bool isRepeat(const QKeyEvent* event);
};

}  // namespace forms::qt
