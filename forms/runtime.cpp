#include "forms/runtime.h"

#include <stdexcept>
#include <utility>

namespace forms {

namespace {

bool hasControl(const WindowLayout& layout, const std::string& control) {
    return layout.find(control) != nullptr || layout.findMenu(control) != nullptr ||
           layout.findMenuItem(control) != nullptr;
}

void requireInLayout(const WindowLayout& layout, const std::string& table,
                     const std::string& control) {
    if (!hasControl(layout, control)) {
        throw std::logic_error("window " + layout.name + " has " + table + " for " + control +
                               ", which it does not have");
    }
}

}  // namespace

Window::Window(const WindowDef& def, std::unique_ptr<NativeWindow> native)
    : def_(&def), native_(std::move(native)) {}

NativeWindow& Window::checked(const std::string& control) const {
    if (!hasControl(def_->layout, control)) {
        // A misspelt control name is a programming error; fail loudly rather than silently.
        throw std::out_of_range("window " + def_->layout.name + " has no control " + control);
    }
    return *native_;
}

std::string Window::Text(const std::string& control) const {
    return checked(control).text(control);
}
void Window::SetText(const std::string& control, const std::string& text) {
    checked(control).setText(control, text);
}
int Window::ListIndex(const std::string& control) const {
    return checked(control).listIndex(control);
}
void Window::SetListIndex(const std::string& control, int index) {
    checked(control).setListIndex(control, index);
}
bool Window::Enabled(const std::string& control) const {
    return checked(control).enabled(control);
}
void Window::SetEnabled(const std::string& control, bool enabled) {
    checked(control).setEnabled(control, enabled);
}

std::uintptr_t Window::hwnd() const {
    return native_->handle();
}
bool Window::visible() const {
    return native_->visible();
}
std::string Window::focusedControl() const {
    return native_->focusedControl();
}

Forms::Forms(Backend& backend) : backend_(backend) {}

Forms::~Forms() {
    // Destroy instances before the definitions they point to.
    instances_.clear();
}

void Forms::define(WindowDef def) {
    // A handler under a misspelt name would never run; say so before the window is ever used.
    for (const auto& [control, handler] : def.clicks) {
        requireInLayout(def.layout, "a click handler", control);
    }
    std::string name = def.layout.name;
    defs_[name] = std::move(def);
}

void Forms::requireNamed(const std::string& table, const std::string& window,
                         const std::string& control) const {
    auto it = defs_.find(window);
    if (it == defs_.end()) {
        throw std::logic_error(table + " names window " + window + ", which is not defined");
    }
    if (!control.empty()) {
        requireInLayout(it->second.layout, table, control);
    }
}

void Forms::requireHandlerWindows() const {
    for (const auto& [name, def] : defs_) {
        for (const auto& [control, handler] : def.clicks) {
            for (const std::string& window : handler.windows) {
                requireNamed("the click handler of " + name + "." + control, window);
            }
        }
    }
}

bool Forms::isDefined(const std::string& window) const {
    return defs_.count(window) != 0;
}

const WindowDef& Forms::definition(const std::string& window) const {
    auto it = defs_.find(window);
    if (it == defs_.end()) {
        throw std::out_of_range("no window named " + window);
    }
    return it->second;
}

std::vector<std::string> Forms::definedWindows() const {
    std::vector<std::string> names;
    for (const auto& [name, def] : defs_) {
        names.push_back(name);
    }
    return names;
}

Window& Forms::operator[](const std::string& window) {
    auto it = instances_.find(window);
    if (it != instances_.end()) {
        return *it->second;
    }
    const WindowDef& def = definition(window);
    auto instance = std::make_unique<Window>(def, backend_.create(def.layout, *this));
    Window& ref = *instance;
    instances_[window] = std::move(instance);
    return ref;
}

bool Forms::isLoaded(const std::string& window) const {
    return instances_.count(window) != 0;
}

bool Forms::isVisible(const std::string& window) const {
    auto it = instances_.find(window);
    return it != instances_.end() && it->second->visible();
}

std::vector<std::string> Forms::loadedWindows() const {
    std::vector<std::string> names;
    for (const auto& [name, instance] : instances_) {
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> Forms::visibleWindows() const {
    std::vector<std::string> names;
    for (const auto& [name, instance] : instances_) {
        if (instance->visible()) {
            names.push_back(name);
        }
    }
    return names;
}

void Forms::Show(const std::string& window) {
    if (ended_) {
        return;
    }
    (*this)[window].native_->show();
}

void Forms::Unload(const std::string& window) {
    auto it = instances_.find(window);
    if (it == instances_.end()) {
        return;
    }
    // Move the instance out first: destroying a native window may process events that look
    // the window up again, and it must already count as unloaded then.
    std::unique_ptr<Window> gone = std::move(it->second);
    instances_.erase(it);
    gone.reset();
    endIfNothingShown();
}

void Forms::endIfNothingShown() {
    if (ended_) {
        return;
    }
    for (const auto& [name, instance] : instances_) {
        if (instance->visible()) {
            return;
        }
    }
    // Only hidden instances are left (say, one that an enable procedure created after its
    // window was closed): nothing is on the screen, so the program is over.
    End();
}

void Forms::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    auto doomed = std::move(instances_);
    instances_.clear();
    doomed.clear();
    backend_.quit();
}

void Forms::DoEvents() {
    backend_.doEvents();
}

double Forms::Timer() {
    return backend_.monotonicSeconds();
}

bool Forms::openUrl(const std::string& url, std::uintptr_t ownerHandle) {
    return backend_.openUrl(url, ownerHandle);
}

void Forms::click(const std::string& window, const std::string& control) {
    if (ended_ || !isLoaded(window)) {
        return;
    }
    const WindowDef& def = definition(window);
    instances_.at(window)->checked(control);
    auto it = def.clicks.find(control);
    if (it == def.clicks.end()) {
        return;
    }
    // Handlers live in the definition, not the instance, so one that unloads its own window
    // runs on to its end.
    it->second.run(*this);
}

void Forms::closeBox(const std::string& window) {
    Unload(window);
}

void Forms::clicked(const std::string& window, const std::string& control) {
    click(window, control);
}

void Forms::closeRequested(const std::string& window) {
    closeBox(window);
}

}  // namespace forms
