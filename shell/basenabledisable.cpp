#include "shell/basenabledisable.h"

#include <stdexcept>
#include <string>

#include "forms/runtime.h"

namespace basenabledisable {

const std::vector<GreyingList>& greyingLists() {
    static const std::vector<GreyingList> lists = {
        {"frmgtapick",
         {"cmdgta3", "cmdgtavc", "cmdgtasa", "cmdexit", "mnuabout", "mnuthanks", "mnucontact",
          "mnuweb"}},
        {"frmsendemail",
         {"txtTo", "txtCc", "txtBcc", "txtSubject", "txtBody", "cmdSend", "cmdclosewindow",
          "cmdexit"}},
        {"frmgta3codepick",
         {"cmdgta3weapon", "cmdgta3item", "cmdgta3vehicle", "cmdgta3cpback", "cmdgta3cpexit"}},
        {"frmgta3weapon",
         {"framegta3coord", "lstgta3weapon", "txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz",
          "txtgta3weaponname", "txtgta3weaponammo", "cmdgta3weapongeneratecode", "cmdbackgta3cp",
          "cmdbackgtapick", "cmdexit", "lblx", "lbly", "lblz", "lblcodename", "lblammo"}},
        {"frmgta3weaponcode",
         {"txtgta3weaponfinishedcode", "cmdbackgta3weapon", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgta3item",
         {"lstitem", "txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz",
          "txtgta3itemcodename", "cmdgta3itemgencode", "cmdbacktogta3codepick", "cmdbacktogtapick",
          "cmdexit", "framegta3itemcoord", "lblx", "lbly", "lblz", "lblcodename"}},
        {"frmgta3itemfinished",
         {"txtgta3itemfinishedcode", "cmdbackgta3item", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgta3vehicle",
         {"lstvehicle", "framecoord", "txtgta3vehiclex", "txtgta3vehicley", "txtgta3vehiclez",
          "lblx", "lbly", "lblz", "lblcodename", "lblcaralarmpercent", "lbldoorlockpercent",
          "txtcodename", "txtalarmpercent", "txtdoorlockpercent", "cmdgencode", "cmdbacktogta3cp",
          "cmdbacktogtapick", "cmdexit"}},
        {"frmgta3vehiclefinished",
         {"txtgta3vehiclefinishedcode", "cmdbackgta3vehicle", "cmdgta3codepickback",
          "cmdbackgtapick", "cmdexit"}},
        {"frmgtavccodepick",
         {"cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle", "cmdgtavcback", "cmdexit"}},
        {"frmgtavcweapon",
         {"lstgtavcweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode", "cmdbacktovccp",
          "cmdbacktogtapick", "cmdexit"}},
        {"frmgtavcweaponfinished",
         {"txtfinishedcode", "cmdbackgtavcweapon", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtavcitem",
         {"lstgtavcitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtapick", "cmdbacktovccp",
          "cmdexit"}},
        {"frmgtavcitemfinished",
         {"txtgtavcitemfinishedcode", "cmdbackgtavcitem", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtavcvehicle",
         {"lstvehicle", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz", "lblcodename",
          "lblalarm", "lbldoorlock", "txtcodename", "txtalarmpercent", "txtdoorlock", "cmdgencode",
          "cmdbacktogtavccp", "cmdbacktogtapick", "cmdexit"}},
        {"frmgtavcvehiclefinished",
         {"txtfinishedcode", "cmdbackgtavcvehicle", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtasacodepick",
         {"cmdgtasaweapon", "cmdgtasaitem", "cmdgtasavehicle", "cmdbacktogtapick", "cmdexit"}},
        {"frmgtasaweapon",
         {"lstgtasaweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode",
          "cmdbacktogtasacodepick", "cmdbacktogtapick", "cmdexit"}},
        {"frmgtasaweaponfinished",
         {"txtfinishedcode", "cmdbackgtasaweapon", "cmdgtasacodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtasaitem",
         {"lstgtasaitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick",
          "cmdexit"}},
        {"frmgtasaitemfinished",
         {"txtgtasaitemfinishedcode", "cmdbackgtasaitem", "cmdgtasacodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtasavehicle",
         {"lstgtasavehicle", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "txtalarmpercent", "lblalarmpercent", "lbldoorlock",
          "txtdoorlock", "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick", "cmdexit"}},
        {"frmgtasavehiclefinished",
         {"txtgtasavehiclefinishedcode", "cmdbackgtasavehicle", "cmdgtasacodepickback",
          "cmdbackgtapick", "cmdexit"}},
    };
    return lists;
}

const GreyingList* greyingListOf(std::string_view window) {
    for (const auto& list : greyingLists()) {
        if (list.window == window) {
            return &list;
        }
    }
    return nullptr;
}

void setListEnabled(forms::Forms& forms, std::string_view window, bool enabled) {
    const GreyingList* list = greyingListOf(window);
    if (list == nullptr) {
        throw std::out_of_range("no greying list for " + std::string(window));
    }
    const std::string name(window);
    for (std::string_view control : list->controls) {
        // Look the instance up for every control: that is what creates a missing window.
        forms[name].SetEnabled(std::string(control), enabled);
    }
}

#define QUARNIX_DEFINE_GREYING_PAIR(suffix)          \
    void disable##suffix(forms::Forms& forms) {      \
        setListEnabled(forms, "frm" #suffix, false); \
    }                                                \
    void enable##suffix(forms::Forms& forms) {       \
        setListEnabled(forms, "frm" #suffix, true);  \
    }
QUARNIX_GREYED_WINDOWS(QUARNIX_DEFINE_GREYING_PAIR)
#undef QUARNIX_DEFINE_GREYING_PAIR

}  // namespace basenabledisable
