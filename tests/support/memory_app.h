// The whole program on the in-memory backend, for logic tests without a display.
// Remember that the program ends when no window is left shown: a test that unloads its last
// window (Generate unloads the creator, but shows the result window first) ends it.
#pragma once

#include <string>

#include "app/windows.h"
#include "forms/memory_backend.h"
#include "forms/runtime.h"

namespace testsupport {

struct MemoryApp {
    forms::MemoryBackend backend;
    forms::Forms forms{backend};

    MemoryApp() { app::defineAllWindows(forms); }

    forms::MemoryWindow& window(const std::string& name) {
        return forms::memoryWindow(forms[name].native());
    }
    // Types as the keyboard would (maximum lengths and read-only boxes respected).
    int type(const std::string& window, const std::string& control, const std::string& text) {
        return this->window(window).type(control, text);
    }
    void select(const std::string& window, const std::string& list, int index) {
        forms[window].SetListIndex(list, index);
    }
    std::string text(const std::string& window, const std::string& control) {
        return forms[window].Text(control);
    }
    void click(const std::string& window, const std::string& control) {
        forms.click(window, control);
    }
};

}  // namespace testsupport
