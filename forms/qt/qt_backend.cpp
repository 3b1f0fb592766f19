#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QTimer>

#include "forms/qt/layout_style.h"
#include "forms/qt/qt_window.h"

namespace forms::qt {

QtBackend::QtBackend() : start_(std::chrono::steady_clock::now()) {
    applyLayoutStyle();
    urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    onQuit = [] { QCoreApplication::exit(0); };
}

std::unique_ptr<NativeWindow> QtBackend::create(const WindowLayout& layout, EventSink& sink) {
    return std::make_unique<QtWindow>(layout, sink, desktop_);
}

void QtBackend::doEvents() {
    // Wait a little for the next event instead of returning at once, so a polling caller
    // does not keep a core busy.
    QEventLoop loop;
    QTimer::singleShot(15, &loop, &QEventLoop::quit);
    loop.exec();
}

double QtBackend::monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool QtBackend::openUrl(const std::string& url, std::uintptr_t) {
    const QUrl address = QUrl::fromEncoded(
        QByteArray(url.data(), static_cast<qsizetype>(url.size())), QUrl::TolerantMode);
    return urlOpener ? urlOpener(address) : false;
}

void QtBackend::quit() {
    quitRequested_ = true;
    if (onQuit) {
        onQuit();
    }
}

QWidget* topLevelWidget(NativeWindow& native) {
    auto* window = dynamic_cast<QtWindow*>(&native);
    return window != nullptr ? window->top() : nullptr;
}

QWidget* controlWidget(NativeWindow& native, const std::string& control) {
    auto* window = dynamic_cast<QtWindow*>(&native);
    return window != nullptr ? window->control(control) : nullptr;
}

}  // namespace forms::qt
