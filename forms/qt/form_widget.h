// The top-level widget behind every window.
#pragma once

#include <QMargins>
#include <QWidget>
#include <functional>

namespace forms::qt {

// The top-level window; its close box is reported instead of closing by itself.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(std::function<void()> onCloseBox);

    // Shows the window for the first time centred on the screen, frame included. The frame's
    // size is known only once the window manager has framed a window, so the first framed
    // window is centred again then; later ones use what it learned.
    void showCentred();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void centre(const QMargins& frame);

    std::function<void()> onCloseBox_;
    bool checkFrame_ = false;
    QMargins placedWith_;
};

}  // namespace forms::qt
