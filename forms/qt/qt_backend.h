// Qt Widgets backend: every layout becomes a real top-level window with real controls.
#pragma once

#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

#include "forms/backend.h"
#include "forms/qt/form_widget.h"

namespace forms::qt {

class QtBackend : public Backend {
public:
    QtBackend();

    std::unique_ptr<NativeWindow> create(const WindowLayout& layout, EventSink& sink) override;
    void doEvents() override;
    double monotonicSeconds() override;
    bool openUrl(const std::string& url, std::uintptr_t ownerHandle) override;
    void quit() override;

    bool quitRequested() const { return quitRequested_; }
    // Tests replace these so that nothing reaches the real desktop or ends the test run.
    std::function<bool(const QUrl&)> urlOpener;
    std::function<void()> onQuit;

private:
    Desktop desktop_;
    std::chrono::steady_clock::time_point start_;
    bool quitRequested_ = false;
};

// The top-level widget behind a loaded window, for tests and the screenshot program.
QWidget* topLevelWidget(NativeWindow& native);
// A control's widget by name (nullptr if there is none).
QWidget* controlWidget(NativeWindow& native, const std::string& control);

}  // namespace forms::qt
