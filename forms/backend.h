// What the runtime needs from a toolkit. The Qt backend opens real windows; the in-memory
// backend keeps everything in maps so logic tests run without a display.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "forms/layout.h"

namespace forms {

// Events that a native window reports back to the runtime.
class EventSink {
public:
    virtual ~EventSink() = default;
    // A button was clicked or a menu item chosen (by mouse, keyboard or shortcut).
    virtual void clicked(const std::string& window, const std::string& control) = 0;
    // The user asked to close the window with its close box.
    virtual void closeRequested(const std::string& window) = 0;
};

// One realised window. Control names are those of the layout; menu-bar titles and menu items
// are addressed by their names too.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual std::string text(const std::string& control) const = 0;
    virtual void setText(const std::string& control, const std::string& text) = 0;
    virtual int listIndex(const std::string& control) const = 0;
    virtual void setListIndex(const std::string& control, int index) = 0;
    virtual bool enabled(const std::string& control) const = 0;
    virtual void setEnabled(const std::string& control, bool enabled) = 0;

    // Makes the window visible and active; on the first show the focus goes to the first
    // control of the tab order that can take it.
    virtual void show() = 0;
    virtual bool visible() const = 0;
    virtual std::string focusedControl() const = 0;
    virtual std::uintptr_t handle() const = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<NativeWindow> create(const WindowLayout& layout, EventSink& sink) = 0;
    // Processes pending window events; may wait a short while for the next one instead of
    // returning at once, so that polling loops do not spin.
    virtual void doEvents() = 0;
    // Seconds on a monotonic clock.
    virtual double monotonicSeconds() = 0;
    // Hands an address (web site, mailto:) to the desktop. Returns false when nothing took it.
    virtual bool openUrl(const std::string& url, std::uintptr_t ownerHandle) = 0;
    // Ends the event loop; called once, when the program ends.
    virtual void quit() = 0;
};

}  // namespace forms
