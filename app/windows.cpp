#include "app/windows.h"

#include <string>
#include <string_view>

#include "creators/games.h"
#include "forms/runtime.h"
#include "info/info.h"
#include "shell/basenabledisable.h"
#include "shell/confirmations.h"
#include "shell/main_window.h"
#include "shell/pickers.h"

namespace app {

void defineAllWindows(forms::Forms& forms) {
    shell::defineSplash(forms);
    shell::defineMainWindow(forms);
    shell::definePickers(forms);
    shell::defineConfirmations(forms);
    creators::defineGta3(forms);
    creators::defineGtaVc(forms);
    creators::defineGtaSa(forms);
    info::defineInformationWindows(forms);
    info::defineSendEmail(forms);
    requireNamedWindowsAndControls(forms);
}

void requireNamedWindowsAndControls(const forms::Forms& forms) {
    for (const auto& confirmation : shell::confirmations()) {
        forms.requireNamed("an exit confirmation", confirmation.guards);
    }
    for (const auto& list : basenabledisable::greyingLists()) {
        for (std::string_view control : list.controls) {
            forms.requireNamed("a greying list entry", std::string(list.window),
                               std::string(control));
        }
    }
    forms.requireHandlerWindows();
}

}  // namespace app
