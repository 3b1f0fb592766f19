// Every navigation button of the nine creator groups, written out by hand: the button shows
// its target and unloads its own window, leaving the target as the only window on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_app.h"

namespace {

struct Step {
    const char* window;
    const char* button;
    const char* target;
};

const Step kSteps[] = {
    // GTA3 weapon and item
    {"frmgta3weapon", "cmdbackgta3cp", "frmgta3codepick"},
    {"frmgta3weapon", "cmdbackgtapick", "frmgtapick"},
    {"frmgta3weapon", "cmdgta3weapongeneratecode", "frmgta3weaponcode"},
    {"frmgta3weaponcode", "cmdbackgta3weapon", "frmgta3weapon"},
    {"frmgta3weaponcode", "cmdgta3codepickback", "frmgta3codepick"},
    {"frmgta3weaponcode", "cmdbackgtapick", "frmgtapick"},
    {"frmgta3item", "cmdbacktogta3codepick", "frmgta3codepick"},
    {"frmgta3item", "cmdbacktogtapick", "frmgtapick"},
    {"frmgta3item", "cmdgta3itemgencode", "frmgta3itemfinished"},
    {"frmgta3itemfinished", "cmdbackgta3item", "frmgta3item"},
    {"frmgta3itemfinished", "cmdgta3codepickback", "frmgta3codepick"},
    {"frmgta3itemfinished", "cmdbackgtapick", "frmgtapick"},
    // GTA VC weapon and item
    {"frmgtavcweapon", "cmdbacktovccp", "frmgtavccodepick"},
    {"frmgtavcweapon", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtavcweapon", "cmdgencode", "frmgtavcweaponfinished"},
    {"frmgtavcweaponfinished", "cmdbackgtavcweapon", "frmgtavcweapon"},
    {"frmgtavcweaponfinished", "cmdgtavccodepickback", "frmgtavccodepick"},
    {"frmgtavcweaponfinished", "cmdbackgtapick", "frmgtapick"},
    {"frmgtavcitem", "cmdbacktovccp", "frmgtavccodepick"},
    {"frmgtavcitem", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtavcitem", "cmdgencode", "frmgtavcitemfinished"},
    {"frmgtavcitemfinished", "cmdbackgtavcitem", "frmgtavcitem"},
    {"frmgtavcitemfinished", "cmdgtavccodepickback", "frmgtavccodepick"},
    {"frmgtavcitemfinished", "cmdbackgtapick", "frmgtapick"},
    // GTA SA weapon and item
    {"frmgtasaweapon", "cmdbacktogtasacodepick", "frmgtasacodepick"},
    {"frmgtasaweapon", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtasaweapon", "cmdgencode", "frmgtasaweaponfinished"},
    {"frmgtasaweaponfinished", "cmdbackgtasaweapon", "frmgtasaweapon"},
    {"frmgtasaweaponfinished", "cmdgtasacodepickback", "frmgtasacodepick"},
    {"frmgtasaweaponfinished", "cmdbackgtapick", "frmgtapick"},
    {"frmgtasaitem", "cmdbacktogtasacp", "frmgtasacodepick"},
    {"frmgtasaitem", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtasaitem", "cmdgencode", "frmgtasaitemfinished"},
    {"frmgtasaitemfinished", "cmdbackgtasaitem", "frmgtasaitem"},
    {"frmgtasaitemfinished", "cmdgtasacodepickback", "frmgtasacodepick"},
    {"frmgtasaitemfinished", "cmdbackgtapick", "frmgtapick"},
    // Vehicles of the three games
    {"frmgta3vehicle", "cmdbacktogta3cp", "frmgta3codepick"},
    {"frmgta3vehicle", "cmdbacktogtapick", "frmgtapick"},
    {"frmgta3vehicle", "cmdgencode", "frmgta3vehiclefinished"},
    {"frmgta3vehiclefinished", "cmdbackgta3vehicle", "frmgta3vehicle"},
    {"frmgta3vehiclefinished", "cmdgta3codepickback", "frmgta3codepick"},
    {"frmgta3vehiclefinished", "cmdbackgtapick", "frmgtapick"},
    {"frmgtavcvehicle", "cmdbacktogtavccp", "frmgtavccodepick"},
    {"frmgtavcvehicle", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtavcvehicle", "cmdgencode", "frmgtavcvehiclefinished"},
    {"frmgtavcvehiclefinished", "cmdbackgtavcvehicle", "frmgtavcvehicle"},
    {"frmgtavcvehiclefinished", "cmdgtavccodepickback", "frmgtavccodepick"},
    {"frmgtavcvehiclefinished", "cmdbackgtapick", "frmgtapick"},
    {"frmgtasavehicle", "cmdbacktogtasacp", "frmgtasacodepick"},
    {"frmgtasavehicle", "cmdbacktogtapick", "frmgtapick"},
    {"frmgtasavehicle", "cmdgencode", "frmgtasavehiclefinished"},
    {"frmgtasavehiclefinished", "cmdbackgtasavehicle", "frmgtasavehicle"},
    {"frmgtasavehiclefinished", "cmdgtasacodepickback", "frmgtasacodepick"},
    {"frmgtasavehiclefinished", "cmdbackgtapick", "frmgtapick"},
};

TEST(Navigation, EveryCreatorAndResultButtonLeadsWhereItSays) {
    for (const Step& s : kSteps) {
        SCOPED_TRACE(std::string(s.window) + "." + s.button);
        testsupport::MemoryApp app;
        app.forms.Show(s.window);
        app.click(s.window, s.button);
        EXPECT_EQ(app.forms.visibleWindows(), std::vector<std::string>{s.target});
        EXPECT_FALSE(app.forms.isLoaded(s.window));
        EXPECT_FALSE(app.forms.ended());
    }
}

}  // namespace
