// The three steps that make up all movement between windows.
#pragma once

#include <string>

#include "forms/runtime.h"

namespace shell {

// Navigation step: show the target, then unload the window whose button was clicked, so some
// window is always loaded.
forms::Handler navigate(std::string from, std::string to);

// Dialog step: grey the owner with its disable procedure, then show the dialog over it.
forms::Handler openDialog(std::string owner, std::string dialog);

// The dialog's closing button: restore the owner with its enable procedure, then unload the
// dialog.
forms::Handler closeDialog(std::string owner, std::string dialog);

// Exit: the dialog step with the window's own exit confirmation.
forms::Handler exitThroughConfirmation(std::string owner);

}  // namespace shell
