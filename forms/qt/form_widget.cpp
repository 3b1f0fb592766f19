#include "forms/qt/form_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace forms::qt {

void Desktop::activated(FormWidget* window) {
    std::erase_if(activationOrder_,
                  [window](const QPointer<FormWidget>& w) { return w.isNull() || w == window; });
    activationOrder_.emplace_back(window);
}

void Desktop::leaving(FormWidget* window, bool programHasKeyboard) {
    // The last window activated: the program may have asked for the keyboard for it and not
    // have it yet, but what another program took since does not show here.
    const bool hadKeyboard =
        programHasKeyboard && !activationOrder_.empty() && activationOrder_.back() == window;
    std::erase_if(activationOrder_, [window](const QPointer<FormWidget>& w) {
        return w.isNull() || w == window || !w->isVisible();
    });
    if (hadKeyboard && !activationOrder_.empty()) {
        activationOrder_.back()->activateWindow();
    }
}

FormWidget::FormWidget(Desktop& desktop, std::function<void()> onCloseBox)
    : QWidget(nullptr), desktop_(&desktop), onCloseBox_(std::move(onCloseBox)) {}

void FormWidget::showCentred() {
    const bool framed = !windowFlags().testFlag(Qt::FramelessWindowHint);
    centre(framed ? desktop_->frame() : QMargins());
    checkFrame_ = framed;
    showActive();
}

void FormWidget::showActive() {
    // A window that is being mapped goes on top by itself; one already shown but without the
    // keyboard may lie under others.
    const bool bringForward = isVisible() && !isActiveWindow();
    show();
    if (bringForward) {
        raise();
    }
    activateWindow();
    desktop_->activated(this);
}

void FormWidget::dismiss() {
    // Asked before the window goes, which may hand the keyboard on.
    const bool programHasKeyboard = QApplication::activeWindow() != nullptr;
    hide();
    if (desktop_ != nullptr) {
        desktop_->leaving(this, programHasKeyboard);
        desktop_ = nullptr;  // the widget may outlive the backend until it is deleted
    }
    checkFrame_ = false;
    onCloseBox_ = nullptr;
}

void FormWidget::centre(const QMargins& frame) {
    placedWith_ = frame;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    // For a top-level window the position is that of its frame. A window larger than the
    // screen keeps its frame's top-left corner, and with it the title bar and the system
    // menu, on the screen.
    move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
         area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void FormWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && desktop_ != nullptr) {
        desktop_->activated(this);
    }
}

void FormWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!checkFrame_ || desktop_ == nullptr || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;  // not framed yet
    }
    checkFrame_ = false;
    desktop_->learnFrame(frame);
    if (frame != placedWith_) {
        centre(frame);
    }
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The runtime decides: it unloads this window, which hides and deletes the widget.
    event->ignore();
    if (onCloseBox_) {
        onCloseBox_();
    }
}

}  // namespace forms::qt
