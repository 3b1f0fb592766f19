// Qt Widgets backend: every layout becomes a real top-level window with real controls.
#pragma once

#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

#include "forms/backend.h"
#include "forms/qt/form_widget.h"

namespace forms::qt {

// Twips to device-independent pixels (15 twips = 1 px at 96 DPI); Qt scales for high DPI.
int px(int twips);

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

// The font every window uses: a family of the metrics the layouts were drawn for where one is
// installed, else the desktop's default family, at the largest size at which lines are no
// taller and characters on average no wider than the layouts allow.
void applyProgramFont();

}  // namespace forms::qt
