#include "shell/pickers.h"

#include <string>

#include "shell/navigation.h"

namespace shell {

namespace {

// One picker design, three sets of names.
struct Picker {
    const char* window;
    const char* caption;
    const char* notice;
    const char* weapon;  // buttons, top to bottom
    const char* item;
    const char* vehicle;
    const char* back;
    const char* exit;
    const char* weaponCreator;
    const char* itemCreator;
};

constexpr Picker kPickers[] = {
    {"frmgta3codepick", "Quarnix | GTA3 Code Pick", "frm3notavailable", "cmdgta3weapon",
     "cmdgta3item", "cmdgta3vehicle", "cmdgta3cpback", "cmdgta3cpexit", "frmgta3weapon",
     "frmgta3item"},
    {"frmgtavccodepick", "Quarnix | GTA VC Code Pick", "frmvcnotavailable", "cmdgtavcweapon",
     "cmdgtavcitem", "cmdgtavcvehicle", "cmdgtavcback", "cmdexit", "frmgtavcweapon",
     "frmgtavcitem"},
    {"frmgtasacodepick", "Quarnix | GTA SA Code Pick", "frmsanotavailable", "cmdgtasaweapon",
     "cmdgtasaitem", "cmdgtasavehicle", "cmdbacktogtapick", "cmdexit", "frmgtasaweapon",
     "frmgtasaitem"},
};

forms::WindowDef pickerWindow(const Picker& p) {
    constexpr int kWidth = 4260;
    constexpr int kButtonWidth = 2775;
    constexpr int kButtonHeight = 495;
    constexpr int kX = (kWidth - kButtonWidth) / 2;
    constexpr int kStep = kButtonHeight + 192;
    auto at = [](int row) {
        return forms::Rect{kX, 192 + row * kStep, kButtonWidth, kButtonHeight};
    };

    forms::WindowDef def;
    def.layout.name = p.window;
    def.layout.caption = p.caption;
    def.layout.width = kWidth;
    def.layout.height = 3630;
    def.layout.controls = {
        forms::button(p.weapon, "Create Weapon Spawn Point", at(0)),
        forms::button(p.item, "Create Item Spawn Point", at(1)),
        forms::button(p.vehicle, "Create Vehicle Spawn Point", at(2)),
        forms::button(p.back, "Back To GTA Pick", at(3)),
        forms::button(p.exit, "Exit", at(4)),
    };
    def.clicks[p.weapon] = navigate(p.window, p.weaponCreator);
    def.clicks[p.item] = navigate(p.window, p.itemCreator);
    def.clicks[p.vehicle] = openDialog(p.window, p.notice);
    def.clicks[p.back] = navigate(p.window, "frmgtapick");
    def.clicks[p.exit] = exitThroughConfirmation(p.window);
    return def;
}

forms::WindowDef noticeWindow(const Picker& p) {
    constexpr int kWidth = 4695;
    constexpr int kInner = 4455;
    constexpr int kX = (kWidth - kInner) / 2;
    forms::WindowDef def;
    def.layout.name = p.notice;
    def.layout.caption = "Quarnix | Function Not Available";
    def.layout.width = kWidth;
    def.layout.height = 1830;
    def.layout.controls = {
        forms::label("lblnotava", "Sorry This Function Is Not Yet Available.",
                     {kX, 120, kInner, 255}, forms::Align::Center),
        forms::label("lblreason",
                     "Due to a snag in the development of this program this feature has been "
                     "disabled for this version.",
                     {kX, 420, kInner, 510}, forms::Align::Center),
        forms::label("lbllater", "I will get it fixed for future versions.", {kX, 960, kInner, 255},
                     forms::Align::Center),
        forms::button("cmdclosewindow", "Close This Window", {kX, 1335, kInner, 375}),
    };
    def.clicks["cmdclosewindow"] = closeDialog(p.window, p.notice);
    return def;
}

}  // namespace

void definePickers(forms::Forms& forms) {
    for (const Picker& p : kPickers) {
        forms.define(pickerWindow(p));
        forms.define(noticeWindow(p));
    }
}

}  // namespace shell
