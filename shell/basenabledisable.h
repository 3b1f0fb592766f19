// Greying a window while a confirmation, dialog or notice stands over it. No window is modal:
// instead each of the 23 windows with an Exit button has a fixed list of controls that its
// disable procedure greys and its enable procedure restores. Greying does not nest.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forms {
class Forms;
}

namespace basenabledisable {

// The windows that own a greying pair, named without their "frm" prefix.
#define QUARNIX_GREYED_WINDOWS(X) \
    X(gtapick)                    \
    X(sendemail)                  \
    X(gta3codepick)               \
    X(gta3weapon)                 \
    X(gta3weaponcode)             \
    X(gta3item)                   \
    X(gta3itemfinished)           \
    X(gta3vehicle)                \
    X(gta3vehiclefinished)        \
    X(gtavccodepick)              \
    X(gtavcweapon)                \
    X(gtavcweaponfinished)        \
    X(gtavcitem)                  \
    X(gtavcitemfinished)          \
    X(gtavcvehicle)               \
    X(gtavcvehiclefinished)       \
    X(gtasacodepick)              \
    X(gtasaweapon)                \
    X(gtasaweaponfinished)        \
    X(gtasaitem)                  \
    X(gtasaitemfinished)          \
    X(gtasavehicle)               \
    X(gtasavehiclefinished)

#define QUARNIX_DECLARE_GREYING_PAIR(suffix)   \
    void disable##suffix(forms::Forms& forms); \
    void enable##suffix(forms::Forms& forms);
QUARNIX_GREYED_WINDOWS(QUARNIX_DECLARE_GREYING_PAIR)
#undef QUARNIX_DECLARE_GREYING_PAIR

struct GreyingList {
    std::string_view window;
    std::vector<std::string_view> controls;  // in the order they are set
};

// The 23 lists, main window first.
const std::vector<GreyingList>& greyingLists();
const GreyingList* greyingListOf(std::string_view window);

// Sets Enabled of every control in the window's list. A window without an instance is created
// hidden (every control is reached through the global instance).
void setListEnabled(forms::Forms& forms, std::string_view window, bool enabled);

}  // namespace basenabledisable
