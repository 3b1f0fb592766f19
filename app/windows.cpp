#include "app/windows.h"

#include "creators/pickups/pickups.h"
#include "creators/vehicles/vehicles.h"
#include "forms/runtime.h"
#include "info/info.h"
#include "shell/confirmations.h"
#include "shell/main_window.h"
#include "shell/pickers.h"

namespace app {

void defineAllWindows(forms::Forms& forms) {
    shell::defineSplash(forms);
    shell::defineMainWindow(forms);
    shell::definePickers(forms);
    shell::defineConfirmations(forms);
    creators::pickups::defineGta3(forms);
    creators::pickups::defineGtaVc(forms);
    creators::pickups::defineGtaSa(forms);
    creators::vehicles::defineGta3(forms);
    creators::vehicles::defineGtaVc(forms);
    creators::vehicles::defineGtaSa(forms);
    info::defineInformationWindows(forms);
    info::defineSendEmail(forms);
}

}  // namespace app
