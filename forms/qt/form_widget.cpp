#include "forms/qt/form_widget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <utility>

namespace forms::qt {

namespace {

// The frame that the window manager puts around a window, once a framed window has shown it.
QMargins learnedFrame;

}  // namespace

FormWidget::FormWidget(std::function<void()> onCloseBox)
    : QWidget(nullptr), onCloseBox_(std::move(onCloseBox)) {}

void FormWidget::showCentred() {
    const bool framed = !windowFlags().testFlag(Qt::FramelessWindowHint);
    const QMargins frame = framed ? learnedFrame : QMargins();
    centre(frame);
    checkFrame_ = framed;
    show();
}

void FormWidget::centre(const QMargins& frame) {
    placedWith_ = frame;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    // For a top-level window the position is that of its frame.
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void FormWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!checkFrame_ || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;  // not framed yet
    }
    checkFrame_ = false;
    learnedFrame = frame;
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
