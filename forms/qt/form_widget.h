// The top-level widget behind every window, and what the windows of one backend share of the
// desktop they stand on.
#pragma once

#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace forms::qt {

class FormWidget;

// Shared by the windows of one backend: the frame that the window manager puts around a
// window, once it has framed one, and the order in which the windows last had the keyboard.
class Desktop {
public:
    // The frame to place a window by; empty until a framed window has been shown.
    QMargins frame() const { return frame_; }
    void learnFrame(const QMargins& frame) { frame_ = frame; }

    // A window was made active, by the program or by the user.
    void activated(FormWidget* window);
    // A window goes away. If it had the keyboard as it went, the keyboard goes back to the
    // window that had it before, as on the desktop the program was made for: not every window
    // manager hands it back, and some platforms have no window manager at all. While another
    // program has the keyboard (`programHasKeyboard` is false), it keeps it.
    void leaving(FormWidget* window, bool programHasKeyboard);

private:
    QMargins frame_;
    std::vector<QPointer<FormWidget>> activationOrder_;  // most recent last
};

// The top-level window; its close box is reported instead of closing by itself.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    FormWidget(Desktop& desktop, std::function<void()> onCloseBox);

    // Shows the window for the first time centred on the screen, frame included, or at the
    // screen's top-left corner where it is larger than the screen. The frame's size is known
    // only once the window manager has framed a window, so the first framed window is placed
    // again then; later ones use what it learned.
    void showCentred();
    // Shows the window and gives it the keyboard.
    void showActive();
    // Hides the window for good; the keyboard goes back where it was before.
    void dismiss();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void centre(const QMargins& frame);

    Desktop* desktop_;
    std::function<void()> onCloseBox_;
    bool checkFrame_ = false;
    QMargins placedWith_;
};

}  // namespace forms::qt
