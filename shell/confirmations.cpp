#include "shell/confirmations.h"

#include <stdexcept>

#include "shell/navigation.h"

namespace shell {

const std::vector<Confirmation>& confirmations() {
    static const std::vector<Confirmation> table = {
        {"frmgtagpexit", "frmgtapick", Focus::Yes, 3240, 975},
        {"frmgta3cpexit", "frmgta3codepick", Focus::No},
        {"frmgtavccpexit", "frmgtavccodepick", Focus::No},
        {"frmgtasacpexit", "frmgtasacodepick", Focus::No},
        {"frmemailexit", "frmsendemail", Focus::Yes},
        {"frmgta3weaponexit", "frmgta3weapon", Focus::No},
        {"frmgta3weaponfinishedexit", "frmgta3weaponcode", Focus::Yes, 3210, 975, true},
        {"frmgta3itemexit", "frmgta3item", Focus::Yes},
        {"frmgta3itemfinishedexit", "frmgta3itemfinished", Focus::Yes},
        {"frmgta3vehicleexit", "frmgta3vehicle", Focus::Yes},
        {"frmgta3vehiclefinishedexit", "frmgta3vehiclefinished", Focus::No},
        {"frmgtavcweaponexit", "frmgtavcweapon", Focus::Yes, 3180, 945},
        {"frmgtavcweaponfinishedexit", "frmgtavcweaponfinished", Focus::No},
        {"frmgtavcitemexit", "frmgtavcitem", Focus::Yes},
        {"frmgtavcitemfinishedexit", "frmgtavcitemfinished", Focus::Yes},
        {"frmgtavcvehicleexit", "frmgtavcvehicle", Focus::No},
        {"frmgtavcvehiclefinishedexit", "frmgtavcvehiclefinished", Focus::No, 3180, 945},
        {"frmgtasaweaponexit", "frmgtasaweapon", Focus::No},
        {"frmgtasaweaponfinishedexit", "frmgtasaweaponfinished", Focus::Yes},
        {"frmgtasaitemexit", "frmgtasaitem", Focus::No},
        {"frmgtasaitemfinishedexit", "frmgtasaitemfinished", Focus::Yes},
        {"frmgtasavehicleexit", "frmgtasavehicle", Focus::Yes},
        {"frmgtasavehiclefinishedexit", "frmgtasavehiclefinished", Focus::Yes},
    };
    return table;
}

const Confirmation& confirmationOf(const std::string& guardedWindow) {
    for (const auto& c : confirmations()) {
        if (c.guards == guardedWindow) {
            return c;
        }
    }
    throw std::out_of_range("no exit confirmation guards " + guardedWindow);
}

namespace {

forms::WindowDef confirmationWindow(const Confirmation& c) {
    constexpr int kQuestionWidth = 2415;
    constexpr int kQuestionHeight = 255;
    constexpr int kButtonWidth = 1215;
    constexpr int kButtonHeight = 315;
    const int gap = (c.width - 2 * kButtonWidth) / 4;
    const int buttonTop = c.height - kButtonHeight - forms::kMargin;

    forms::ControlDecl yes = forms::button("cmdyes", c.accessKeys ? "&Yes" : "Yes",
                                           {gap, buttonTop, kButtonWidth, kButtonHeight});
    forms::ControlDecl no =
        forms::button("cmdno", c.accessKeys ? "&No" : "No",
                      {c.width - gap - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight});
    forms::ControlDecl question = forms::label(
        "lblexit", "Are You Sure You Want To Exit?",
        {(c.width - kQuestionWidth) / 2, forms::kMargin, kQuestionWidth, kQuestionHeight},
        forms::Align::Center);

    forms::WindowDef def;
    def.layout.name = c.name;
    def.layout.caption = "Quarnix | Exit?";
    def.layout.width = c.width;
    def.layout.height = c.height;
    if (c.focus == Focus::Yes) {
        def.layout.controls = {yes, no, question};
    } else {
        def.layout.controls = {no, yes, question};
    }
    def.clicks["cmdno"] = closeDialog(c.guards, c.name);
    def.clicks["cmdyes"] = [](forms::Forms& forms) { forms.End(); };
    return def;
}

}  // namespace

void defineConfirmations(forms::Forms& forms) {
    for (const auto& c : confirmations()) {
        forms.define(confirmationWindow(c));
    }
}

}  // namespace shell
