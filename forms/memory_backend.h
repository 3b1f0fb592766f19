// A backend without a display: windows are maps of control states. Used by the fast logic
// tests; it also records every address handed to the desktop and has a clock that only moves
// when told to (or by a fixed step per DoEvents).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "forms/backend.h"

namespace forms {

class MemoryWindow : public NativeWindow {
public:
    explicit MemoryWindow(const WindowLayout& layout, std::uintptr_t handle);

    std::string text(const std::string& control) const override;
    // A one-line box keeps program text as the real one does: up to its first line break and
    // its maximum length.
    void setText(const std::string& control, const std::string& text) override;
    int listIndex(const std::string& control) const override;
    void setListIndex(const std::string& control, int index) override;
    bool enabled(const std::string& control) const override;
    void setEnabled(const std::string& control, bool enabled) override;
    void show() override;
    bool visible() const override { return visible_; }
    std::string focusedControl() const override { return focus_; }
    std::uintptr_t handle() const override { return handle_; }

    // Types text at the end of a box as the keyboard would: a read-only or disabled box takes
    // nothing, a box with a maximum length takes characters (code points, as the real boxes
    // count them) only up to it. Returns the number of characters taken.
    int type(const std::string& control, const std::string& utf8);

private:
    struct State {
        std::string text;
        int listIndex = -1;
        bool enabled = true;
    };
    const State& state(const std::string& control) const;
    State& state(const std::string& control);

    const WindowLayout* layout_;
    std::uintptr_t handle_;
    std::map<std::string, State> states_;
    bool visible_ = false;
    bool shownOnce_ = false;
    std::string focus_;
};

class MemoryBackend : public Backend {
public:
    std::unique_ptr<NativeWindow> create(const WindowLayout& layout, EventSink& sink) override;
    void doEvents() override;
    double monotonicSeconds() override { return now_; }
    bool openUrl(const std::string& url, std::uintptr_t ownerHandle) override;
    void quit() override { ++quitCalls_; }

    void advance(double seconds) { now_ += seconds; }
    void setNow(double seconds) { now_ = seconds; }
    void setDoEventsStep(double seconds) { doEventsStep_ = seconds; }
    void setOpenUrlSucceeds(bool succeeds) { openUrlSucceeds_ = succeeds; }

    int doEventsCalls() const { return doEventsCalls_; }
    int quitCalls() const { return quitCalls_; }
    const std::vector<std::string>& openedUrls() const { return openedUrls_; }
    const std::vector<std::uintptr_t>& openUrlOwners() const { return openUrlOwners_; }

private:
    double now_ = 1000.0;
    double doEventsStep_ = 0.01;
    int doEventsCalls_ = 0;
    int quitCalls_ = 0;
    bool openUrlSucceeds_ = true;
    std::uintptr_t nextHandle_ = 0x1000;
    std::vector<std::string> openedUrls_;
    std::vector<std::uintptr_t> openUrlOwners_;
};

// The memory window behind a loaded instance, for tests that type into it.
MemoryWindow& memoryWindow(NativeWindow& native);

}  // namespace forms
