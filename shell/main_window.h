// Start-up splash and the main window, the hub of the chain of windows.
#pragma once

#include "forms/runtime.h"

namespace shell {

// Addresses of the web-site menu items, handed to the desktop's browser.
inline constexpr const char* kVorlakSite = "https://vorlak.example.com";
inline constexpr const char* kForumSite = "https://gtaforums.com";
inline constexpr const char* kFanSite = "https://gtauniverse.example.org";

// How long the splash stays at least, in seconds.
inline constexpr double kSplashSeconds = 2.0;

void defineSplash(forms::Forms& forms);
void defineMainWindow(forms::Forms& forms);

// Start-up: shows the splash, waits two seconds while window events go on, then shows the
// main window and unloads the splash.
void frmquarnixload_Form_Load(forms::Forms& forms);

}  // namespace shell
