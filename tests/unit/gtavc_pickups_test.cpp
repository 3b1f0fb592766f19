// The GTA VC weapon and item creators: the exact lines of every entry, the boxes, and the
// wiring of their buttons.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "support/memory_app.h"
#include "support/text.h"
#include "unit/entries.h"

namespace {

using testsupport::spaced;

struct GtaVcPickups : ::testing::Test {
    testsupport::MemoryApp app;

    // A window outside this group stays shown, so unloading the last of ours does not end
    // the program between steps.
    GtaVcPickups() { app.forms.Show("frmgtasacodepick"); }

    // Opens a creator the way the user does, from the GTA VC code picker.
    void openFromPicker(const std::string& pickerButton, const std::string& creator) {
        app.forms.Show("frmgtavccodepick");
        app.click("frmgtavccodepick", pickerButton);
        ASSERT_TRUE(app.forms.isVisible(creator));
        ASSERT_FALSE(app.forms.isLoaded("frmgtavccodepick"));
    }
    void openWeapon() { openFromPicker("cmdgtavcweapon", "frmgtavcweapon"); }
    void openItem() { openFromPicker("cmdgtavcitem", "frmgtavcitem"); }

    void fill(const std::string& creator, const std::string& codeName, const std::string& x,
              const std::string& y, const std::string& z) {
        app.type(creator, "txtcodename", codeName);
        app.type(creator, "txtx", x);
        app.type(creator, "txty", y);
        app.type(creator, "txtz", z);
    }

    int entry(const std::string& window, const std::string& list, const std::string& caption) {
        return testsupport::entryIndex(app.forms, window, list, caption);
    }

    std::string generateWeapon(const std::string& weapon, const std::string& codeName,
                               const std::string& ammo, const std::string& x, const std::string& y,
                               const std::string& z) {
        openWeapon();
        app.select("frmgtavcweapon", "lstgtavcweapon",
                   entry("frmgtavcweapon", "lstgtavcweapon", weapon));
        fill("frmgtavcweapon", codeName, x, y, z);
        app.type("frmgtavcweapon", "txtammo", ammo);
        app.click("frmgtavcweapon", "cmdgencode");
        return app.text("frmgtavcweaponfinished", "txtfinishedcode");
    }

    std::string generateItem(const std::string& item, const std::string& codeName,
                             const std::string& x, const std::string& y, const std::string& z) {
        openItem();
        app.select("frmgtavcitem", "lstgtavcitem", entry("frmgtavcitem", "lstgtavcitem", item));
        fill("frmgtavcitem", codeName, x, y, z);
        app.click("frmgtavcitem", "cmdgencode");
        return app.text("frmgtavcitemfinished", "txtgtavcitemfinishedcode");
    }

    std::vector<std::string> listItems(const std::string& window, const std::string& list) {
        return app.forms.definition(window).layout.find(list)->items;
    }
};

struct Expected {
    const char* caption;
    const char* line;  // with code name "pk", ammo "250" and coordinates "X1", "Y2", "Z3"
};

TEST_F(GtaVcPickups, EveryWeaponEntryWritesItsLine) {
    const Expected table[] = {
        {"Bat", "0213:·$pk·=·create_pickup·#BAT·type··15·at··X1·Y2·Z3"},
        {"Brass Knuckles", "0213:·$pk·=·create_pickup·#BRASSKNUCKLE·type··15·at··X1·Y2·Z3"},
        {"Chainsaw", "0213:·$pk·=·create_pickup·#CHNSAW·type··15·at··X1·Y2·Z3"},
        {"Cleaver", "0213:·$pk·=·create_pickup·#CLEAVER·type··15·at··X1·Y2·Z3"},
        {"Colt 45", "032B:·$pk·=·create_weapon_pickup·#COLT45··15·ammo··250·at·X1·Y2·Z3"},
        {"Colt M4", "032B:·$pk·=·create_weapon_pickup·#M4··15·ammo··250·at·X1·Y2·Z3"},
        {"Colt Python", "032B:·$pk·=·create_weapon_pickup·#PYTHON··15·ammo··250·at·X1·Y2·Z3"},
        {"Flamethrower", "032B:·$pk·=·create_weapon_pickup·#FLAME··15·ammo··250·at·X1·Y2·Z3"},
        {"Golf Club", "0213:·$pk·=·create_pickup·#GOLFCLUB·type··2·at··X1·Y2·Z3"},
        {"Grenades", "032B:·$pk·=·create_weapon_pickup·#GRENADE··15·ammo··250·at·X1·Y2·Z3"},
        {"Hammer", "0213:·$pk·=·create_pickup·#HAMMER·type··2·at··X1·Y2·Z3"},
        {"Katana", "0213:·$pk·=·create_pickup·#KATANA·type··2·at··X1·Y2·Z3"},
        {"Knife", "0213:·$pk·=·create_pickup·#KNIFECUR·type··2·at··X1·Y2·Z3"},
        {"Kruger", "032B:·$pk·=·create_weapon_pickup·#RUGER··15·ammo··250·at·X1·Y2·Z3"},
        {"M60", "032B:·$pk·=·create_weapon_pickup·#M60··15·ammo··250·at·X1·Y2·Z3"},
        {"Mac", "032B:·$pk·=·create_weapon_pickup·#UZI·10··15·ammo··250·at·X1·Y2·Z3"},
        {"Machete", "0213:·$pk·=·create_pickup·#MACHETE·type··2·at··X1·Y2·Z3"},
        {"Mini Gun", "032B:·$pk·=·create_weapon_pickup·#MINIGUN··15·ammo··250·at·X1·Y2·Z3"},
        {"Molotov Cocktails",
         "032B:·$pk·=·create_weapon_pickup·#MOLOTOV··15·ammo··250·at·X1·Y2·Z3"},
        {"MP5", "032B:·$pk·=·create_weapon_pickup·#MP5LNG··15·ammo··250·at·X1·Y2·Z3"},
        {"Night Stick", "0213:·$pk·=·create_pickup·#NITESTICK·type··2·at··X1·Y2·Z3"},
        {"PSG-1", "032B:·$pk·=·create_weapon_pickup·#LASER··15·ammo··250·at·X1·Y2·Z3"},
        {"Remote Grenades", "032B:·$pk·=·create_weapon_pickup·#BOMB··15·ammo··250·at·X1·Y2·Z3"},
        {"Rocket Launcher", "032B:·$pk·=·create_weapon_pickup·#ROCKETLA··15·ammo··250·at·X1·Y2·Z3"},
        {"S.P.A.S.12", "032B:·$pk·=·create_weapon_pickup·#SHOTGSPA··15·ammo··250·at·X1·Y2·Z3"},
        {"Screwdriver", "0213:·$pk·=·create_pickup·#SCREWDRIVER·type··2·at··X1·Y2·Z3"},
        {"Shotgun", "032B:·$pk·=·create_weapon_pickup·#CHROMEGUN··15·ammo··250·at·X1·Y2·Z3"},
        {"Sniper Rifle", "032B:·$pk·=·create_weapon_pickup·#SNIPER··15·ammo··250·at·X1·Y2·Z3"},
        {"Stubby Shotgun", "032B:·$pk·=·create_weapon_pickup·#BUDDYSHOT··15·ammo··250·at·X1·Y2·Z3"},
        {"Tear Gas", "032B:·$pk·=·create_weapon_pickup·#TEARGAS··15·ammo··250·at·X1·Y2·Z3"},
        {"Tec-9", "032B:·$pk·=·create_weapon_pickup·#TEC9··15·ammo··250·at·X1·Y2·Z3"},
        {"Uzi", "032B:·$pk·=·create_weapon_pickup·#INGRAMSL··15·ammo··250·at·X1·Y2·Z3"},
    };
    const std::vector<std::string> items = listItems("frmgtavcweapon", "lstgtavcweapon");
    ASSERT_EQ(items.size(), std::size(table));
    int pickups = 0;
    std::size_t index = 0;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(items[index++], e.caption);
        const std::string line = generateWeapon(e.caption, "pk", "250", "X1", "Y2", "Z3");
        EXPECT_EQ(line, spaced(e.line));
        // A plain pickup carries no ammunition: the typed amount never reaches its line.
        if (line.starts_with("0213")) {
            ++pickups;
            EXPECT_EQ(line.find("250"), std::string::npos);
        }
        EXPECT_FALSE(app.forms.isLoaded("frmgtavcweapon"));
        app.forms.Unload("frmgtavcweaponfinished");
    }
    EXPECT_EQ(pickups, 11);
}

TEST_F(GtaVcPickups, EveryItemEntryWritesItsLine) {
    const Expected table[] = {
        {"Adrenaline", "0213:·$pk·=·create_pickup·#ADRENALINE·type··15·at·X1·Y2·Z3"},
        {"Body Armour", "0213:·$pk·=·create_pickup·#BODYARMOUR·type··15·at·X1·Y2·Z3"},
        {"Bribe", "0213:·$pk·=·create_pickup·#BRIBE·type··15·at·X1·Y2·Z3"},
        {"Health", "0213:·$pk·=·create_pickup·#HEALTH·type··15·at·X1·Y2·Z3"},
    };
    const std::vector<std::string> items = listItems("frmgtavcitem", "lstgtavcitem");
    ASSERT_EQ(items.size(), std::size(table));
    std::size_t index = 0;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(items[index++], e.caption);
        EXPECT_EQ(generateItem(e.caption, "pk", "X1", "Y2", "Z3"), spaced(e.line));
        EXPECT_FALSE(app.forms.isLoaded("frmgtavcitem"));
        app.forms.Unload("frmgtavcitemfinished");
    }
}

TEST_F(GtaVcPickups, EmptyBoxesLeaveOnlyTheFixedTexts) {
    EXPECT_EQ(generateWeapon("Colt M4", "", "", "", "", ""),
              spaced("032B:·$·=·create_weapon_pickup·#M4··15·ammo···at···"));
    app.forms.Unload("frmgtavcweaponfinished");
    EXPECT_EQ(generateWeapon("Bat", "", "", "", "", ""),
              spaced("0213:·$·=·create_pickup·#BAT·type··15·at····"));
    app.forms.Unload("frmgtavcweaponfinished");
    EXPECT_EQ(generateItem("Health", "", "", "", ""),
              spaced("0213:·$·=·create_pickup·#HEALTH·type··15·at···"));
}

TEST_F(GtaVcPickups, TypedValuesGoInVerbatim) {
    // Blanks, letters and a "$" of the user's own are kept; nothing is trimmed or checked.
    EXPECT_EQ(generateWeapon("Uzi", "$my gun", " lots ", "1,5", "abc", "-0"),
              spaced("032B:·$$my·gun·=·create_weapon_pickup·#INGRAMSL··15·ammo···lots··at·1,5·"
                     "abc·-0"));
    app.forms.Unload("frmgtavcweaponfinished");
    // A code name outside ASCII comes out as it was typed.
    EXPECT_EQ(generateItem("Body Armour", "Rüstung_防具", "1", "2", "3"),
              spaced("0213:·$Rüstung_防具·=·create_pickup·#BODYARMOUR·type··15·at·1·2·3"));
}

TEST_F(GtaVcPickups, NothingSelectedOpensAnEmptyResult) {
    openWeapon();
    fill("frmgtavcweapon", "pk", "1", "2", "3");
    app.click("frmgtavcweapon", "cmdgencode");
    EXPECT_TRUE(app.forms.isVisible("frmgtavcweaponfinished"));
    EXPECT_EQ(app.text("frmgtavcweaponfinished", "txtfinishedcode"), "");
    EXPECT_FALSE(app.forms.isLoaded("frmgtavcweapon"));

    // Back to the creator: a fresh one, nothing selected and every box empty.
    app.click("frmgtavcweaponfinished", "cmdbackgtavcweapon");
    EXPECT_FALSE(app.forms.isLoaded("frmgtavcweaponfinished"));
    EXPECT_EQ(app.forms["frmgtavcweapon"].ListIndex("lstgtavcweapon"), -1);
    EXPECT_EQ(app.text("frmgtavcweapon", "txtcodename"), "");
    EXPECT_EQ(app.text("frmgtavcweapon", "txtx"), "");
}

TEST_F(GtaVcPickups, CoordinateBoxesTakeSevenCharactersOthersAnyNumber) {
    const std::string longText = "abcdefghijklmnopqrstuvwxyz0123456789";
    openWeapon();
    for (const char* coordinate : {"txtx", "txty", "txtz"}) {
        EXPECT_EQ(app.type("frmgtavcweapon", coordinate, "-1234.567"), 7) << coordinate;
        EXPECT_EQ(app.text("frmgtavcweapon", coordinate), "-1234.5") << coordinate;
    }
    EXPECT_EQ(app.type("frmgtavcweapon", "txtcodename", longText), 36);
    EXPECT_EQ(app.type("frmgtavcweapon", "txtammo", longText), 36);
    app.click("frmgtavcweapon", "cmdbacktovccp");
    app.click("frmgtavccodepick", "cmdgtavcitem");
    for (const char* coordinate : {"txtx", "txty", "txtz"}) {
        // Seven characters, not seven bytes.
        EXPECT_EQ(app.type("frmgtavcitem", coordinate, "äöüäöüäö"), 7) << coordinate;
    }
    EXPECT_EQ(app.type("frmgtavcitem", "txtcodename", longText), 36);
}

TEST_F(GtaVcPickups, ExitThenNoGivesTheWindowBackAsItWas) {
    struct Case {
        const char* window;
        const char* confirmation;
    };
    const Case cases[] = {
        {"frmgtavcweapon", "frmgtavcweaponexit"},
        {"frmgtavcweaponfinished", "frmgtavcweaponfinishedexit"},
        {"frmgtavcitem", "frmgtavcitemexit"},
        {"frmgtavcitemfinished", "frmgtavcitemfinishedexit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        app.forms.Show(c.window);
        app.click(c.window, "cmdexit");
        ASSERT_TRUE(app.forms.isVisible(c.confirmation));
        EXPECT_FALSE(app.forms[c.window].Enabled("cmdexit"));
        app.click(c.confirmation, "cmdno");
        EXPECT_FALSE(app.forms.isLoaded(c.confirmation));
        EXPECT_TRUE(app.forms[c.window].Enabled("cmdexit"));
        app.forms.Unload(c.window);
    }

    // Typed values and the selection survive the round trip; the whole list is restored.
    openWeapon();
    const int kruger = entry("frmgtavcweapon", "lstgtavcweapon", "Kruger");
    app.select("frmgtavcweapon", "lstgtavcweapon", kruger);
    fill("frmgtavcweapon", "pk", "1", "2", "3");
    app.type("frmgtavcweapon", "txtammo", "40");
    app.click("frmgtavcweapon", "cmdexit");
    for (const char* control : {"lstgtavcweapon", "framecoord", "lblammo", "txtammo"}) {
        EXPECT_FALSE(app.forms["frmgtavcweapon"].Enabled(control)) << control;
    }
    app.click("frmgtavcweaponexit", "cmdno");
    for (const char* control : {"lstgtavcweapon", "framecoord", "lblammo", "txtammo"}) {
        EXPECT_TRUE(app.forms["frmgtavcweapon"].Enabled(control)) << control;
    }
    EXPECT_EQ(app.forms["frmgtavcweapon"].ListIndex("lstgtavcweapon"), kruger);
    EXPECT_EQ(app.text("frmgtavcweapon", "txtammo"), "40");

    app.click("frmgtavcweapon", "cmdexit");
    app.click("frmgtavcweaponexit", "cmdyes");
    EXPECT_TRUE(app.forms.ended());
}

TEST_F(GtaVcPickups, WindowsHaveTheirCaptionsSizesAndTabOrder) {
    struct Window {
        const char* name;
        const char* caption;
        int width;
        int height;
        std::vector<std::string> controls;  // in tab order
    };
    const Window windows[] = {
        {"frmgtavcweapon",
         "Quarnix | GTA VC Weapon Spawn Point Creator",
         6015,
         3645,
         {"lstgtavcweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode", "cmdbacktovccp",
          "cmdbacktogtapick", "cmdexit"}},
        {"frmgtavcitem",
         "Quarnix | GTA VC Item Spawn Point Creator",
         5700,
         3030,
         {"lstgtavcitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "txtcodename", "lblcodename", "cmdgencode", "cmdbacktovccp", "cmdbacktogtapick",
          "cmdexit"}},
        {"frmgtavcweaponfinished",
         "Quarnix | GTA VC Weapon Spawn Point Code",
         5910,
         2070,
         {"cmdexit", "cmdbackgtapick", "cmdgtavccodepickback", "cmdbackgtavcweapon",
          "txtfinishedcode"}},
        {"frmgtavcitemfinished",
         "Quarnix | GTA VC Item Spawn Point Code",
         5520,
         2055,
         {"txtgtavcitemfinishedcode", "cmdbackgtavcitem", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        const forms::WindowLayout& layout = app.forms.definition(w.name).layout;
        EXPECT_EQ(layout.caption, w.caption);
        EXPECT_EQ(layout.width, w.width);
        EXPECT_EQ(layout.height, w.height);
        std::vector<std::string> names;
        for (const forms::ControlDecl& c : layout.controls) {
            names.push_back(c.name);
        }
        EXPECT_EQ(names, w.controls);
    }
}

}  // namespace
