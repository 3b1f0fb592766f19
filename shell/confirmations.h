// The exit confirmation: one window design, 23 instances that differ only by this table.
#pragma once

#include <string>
#include <vector>

#include "forms/runtime.h"

namespace shell {

enum class Focus { Yes, No };

struct Confirmation {
    std::string name;    // the confirmation window
    std::string guards;  // the window whose Exit button shows it
    Focus focus;         // the button that has the focus when it opens
    int width = 3210;    // client area, twips
    int height = 975;
    bool accessKeys = false;  // "&Yes" / "&No"
};

const std::vector<Confirmation>& confirmations();
// The confirmation that guards a window; throws for a window without an Exit button.
const Confirmation& confirmationOf(const std::string& guardedWindow);

void defineConfirmations(forms::Forms& forms);

}  // namespace shell
