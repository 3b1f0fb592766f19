// The forms runtime: one global instance per window name, created from its layout at the
// first touch, destroyed by Unload, created afresh at the next touch. Handlers run one at a
// time on the UI thread and reach every window through the runtime.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/backend.h"
#include "forms/layout.h"

namespace forms {

class Forms;

// A click handler and the windows it reaches by name, which are checked once every window is
// defined: a misspelt target then fails at start, not at the click.
struct Handler {
    Handler() = default;
    template <std::invocable<Forms&> F>
    Handler(F f, std::vector<std::string> reached = {})
        : run(std::move(f)), windows(std::move(reached)) {}

    std::function<void(Forms&)> run;
    std::vector<std::string> windows;
};

// A window class: its layout and the handlers of its controls and menu items.
struct WindowDef {
    WindowLayout layout;
    std::map<std::string, Handler> clicks;  // keyed by control or menu item name
};

// A loaded window instance.
class Window {
public:
    Window(const WindowDef& def, std::unique_ptr<NativeWindow> native);

    const std::string& name() const { return def_->layout.name; }
    const WindowLayout& layout() const { return def_->layout; }

    std::string Text(const std::string& control) const;
    void SetText(const std::string& control, const std::string& text);
    int ListIndex(const std::string& control) const;
    void SetListIndex(const std::string& control, int index);
    bool Enabled(const std::string& control) const;
    void SetEnabled(const std::string& control, bool enabled);
    std::uintptr_t hwnd() const;

    bool visible() const;
    std::string focusedControl() const;
    NativeWindow& native() { return *native_; }

private:
    friend class Forms;
    // The native window, once `control` is known to be one of its controls.
    NativeWindow& checked(const std::string& control) const;

    const WindowDef* def_;
    std::unique_ptr<NativeWindow> native_;
};

class Forms : private EventSink {
public:
    explicit Forms(Backend& backend);
    ~Forms() override;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Throws std::logic_error when a click handler is keyed by a name that is no control,
    // menu title or menu item of the layout.
    void define(WindowDef def);
    // Tables elsewhere name windows and controls by string. Throws std::logic_error, naming
    // `table` and the name, unless `window` is defined and, when `control` is given, has a
    // control, menu title or menu item of that name.
    void requireNamed(const std::string& table, const std::string& window,
                      const std::string& control = {}) const;
    // requireNamed for every window a click handler reaches; once every window is defined.
    void requireHandlerWindows() const;
    bool isDefined(const std::string& window) const;
    const WindowDef& definition(const std::string& window) const;
    std::vector<std::string> definedWindows() const;

    // Touch: returns the instance, creating it loaded and hidden if there is none.
    Window& operator[](const std::string& window);
    bool isLoaded(const std::string& window) const;
    bool isVisible(const std::string& window) const;
    std::vector<std::string> loadedWindows() const;
    std::vector<std::string> visibleWindows() const;

    void Show(const std::string& window);
    // Destroys the instance. When no shown window is left, the program ends: hidden instances
    // alone never keep it alive.
    void Unload(const std::string& window);
    // Ends the program at once: every window goes and no further handler runs.
    void End();
    bool ended() const { return ended_; }

    void DoEvents();
    // Seconds on a monotonic clock, so that elapsed times never jump at midnight.
    double Timer();
    // Hands an address to the desktop (browser, mail program); false when nothing took it.
    bool openUrl(const std::string& url, std::uintptr_t ownerHandle = 0);

    // Runs the click handler of a control as if the user had clicked it. Used by backends and
    // by tests; a click on a window that is not loaded, or after End, does nothing, and one on
    // a control the window does not have throws std::out_of_range.
    void click(const std::string& window, const std::string& control);
    // The window's close box: unloads that window and nothing else.
    void closeBox(const std::string& window);

private:
    void clicked(const std::string& window, const std::string& control) override;
    void closeRequested(const std::string& window) override;
    void endIfNothingShown();

    Backend& backend_;
    std::map<std::string, WindowDef> defs_;
    std::map<std::string, std::unique_ptr<Window>> instances_;
    bool ended_ = false;
};

}  // namespace forms
