#include "forms/memory_backend.h"

#include <stdexcept>

#include "forms/utf8.h"

namespace forms {

MemoryWindow::MemoryWindow(const WindowLayout& layout, std::uintptr_t handle)
    : layout_(&layout), handle_(handle) {
    for (const auto& c : layout.controls) {
        State s;
        if (c.kind == Kind::TextBox) {
            s.text = c.caption;
        }
        states_.emplace(c.name, s);
    }
    for (const auto& m : layout.menus) {
        states_.emplace(m.name, State{});
        for (const auto& i : m.items) {
            states_.emplace(i.name, State{});
        }
    }
}

const MemoryWindow::State& MemoryWindow::state(const std::string& control) const {
    auto it = states_.find(control);
    if (it == states_.end()) {
        throw std::out_of_range("window " + layout_->name + " has no control " + control);
    }
    return it->second;
}

MemoryWindow::State& MemoryWindow::state(const std::string& control) {
    return const_cast<State&>(static_cast<const MemoryWindow*>(this)->state(control));
}

std::string MemoryWindow::text(const std::string& control) const {
    return state(control).text;
}

void MemoryWindow::setText(const std::string& control, const std::string& text) {
    State& s = state(control);
    const ControlDecl* decl = layout_->find(control);
    if (decl == nullptr || decl->kind != Kind::TextBox || decl->multiLine) {
        s.text = text;
        return;
    }
    // As the real one-line boxes keep program text: up to the first line break, and no more
    // characters than the maximum.
    std::u32string kept = utf8ToCodePoints(text.substr(0, text.find_first_of("\r\n")));
    if (decl->maxLength > 0 && kept.size() > static_cast<std::size_t>(decl->maxLength)) {
        kept.resize(static_cast<std::size_t>(decl->maxLength));
    }
    s.text = codePointsToUtf8(kept);
}

int MemoryWindow::listIndex(const std::string& control) const {
    return state(control).listIndex;
}

void MemoryWindow::setListIndex(const std::string& control, int index) {
    const ControlDecl* decl = layout_->find(control);
    int count = decl != nullptr ? static_cast<int>(decl->items.size()) : 0;
    state(control).listIndex = (index >= 0 && index < count) ? index : -1;
}

bool MemoryWindow::enabled(const std::string& control) const {
    return state(control).enabled;
}

void MemoryWindow::setEnabled(const std::string& control, bool enabled) {
    state(control).enabled = enabled;
}

void MemoryWindow::show() {
    visible_ = true;
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    for (const auto& c : layout_->controls) {
        if (takesFocus(c.kind) && state(c.name).enabled) {
            focus_ = c.name;
            return;
        }
    }
}

int MemoryWindow::type(const std::string& control, const std::string& utf8) {
    const ControlDecl* decl = layout_->find(control);
    State& s = state(control);
    if (decl == nullptr || decl->kind != Kind::TextBox || decl->readOnly || !s.enabled) {
        return 0;
    }
    std::u32string have = utf8ToCodePoints(s.text);
    std::u32string add = utf8ToCodePoints(utf8);
    int taken = 0;
    for (char32_t ch : add) {
        if (decl->maxLength > 0 && static_cast<int>(have.size()) >= decl->maxLength) {
            break;
        }
        have.push_back(ch);
        ++taken;
    }
    s.text = codePointsToUtf8(have);
    return taken;
}

std::unique_ptr<NativeWindow> MemoryBackend::create(const WindowLayout& layout, EventSink&) {
    return std::make_unique<MemoryWindow>(layout, nextHandle_++);
}

void MemoryBackend::doEvents() {
    ++doEventsCalls_;
    now_ += doEventsStep_;
}

bool MemoryBackend::openUrl(const std::string& url, std::uintptr_t ownerHandle) {
    openedUrls_.push_back(url);
    openUrlOwners_.push_back(ownerHandle);
    return openUrlSucceeds_;
}

MemoryWindow& memoryWindow(NativeWindow& native) {
    auto* window = dynamic_cast<MemoryWindow*>(&native);
    if (window == nullptr) {
        throw std::logic_error("not a memory window");
    }
    return *window;
}

}  // namespace forms
