// The GTA SA weapon and item creators: the exact line of every entry, the windows' layouts and
// the wiring of their buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_app.h"
#include "support/text.h"
#include "unit/entries.h"

namespace {

using testsupport::spaced;

struct GtaSaPickups : ::testing::Test {
    testsupport::MemoryApp app;

    // Opens a creator the way the user does, from the GTA SA code picker.
    void open(const std::string& pickerButton, const std::string& creator) {
        app.forms.Show("frmgtasacodepick");
        app.click("frmgtasacodepick", pickerButton);
        ASSERT_TRUE(app.forms.isVisible(creator));
    }
    void fill(const std::string& creator, const std::string& codeName, const std::string& x,
              const std::string& y, const std::string& z) {
        app.type(creator, "txtcodename", codeName);
        app.type(creator, "txtx", x);
        app.type(creator, "txty", y);
        app.type(creator, "txtz", z);
    }
    std::string weapon(const std::string& caption, const std::string& codeName,
                       const std::string& ammo, const std::string& x, const std::string& y,
                       const std::string& z) {
        open("cmdgtasaweapon", "frmgtasaweapon");
        app.select("frmgtasaweapon", "lstgtasaweapon",
                   testsupport::entryIndex(app.forms, "frmgtasaweapon", "lstgtasaweapon", caption));
        fill("frmgtasaweapon", codeName, x, y, z);
        app.type("frmgtasaweapon", "txtammo", ammo);
        app.click("frmgtasaweapon", "cmdgencode");
        EXPECT_FALSE(app.forms.isLoaded("frmgtasaweapon"));
        const std::string line = app.text("frmgtasaweaponfinished", "txtfinishedcode");
        // Back to the picker rather than an unload: with no window shown the program would end.
        app.click("frmgtasaweaponfinished", "cmdgtasacodepickback");
        return line;
    }
    std::string item(const std::string& caption, const std::string& codeName, const std::string& x,
                     const std::string& y, const std::string& z) {
        open("cmdgtasaitem", "frmgtasaitem");
        app.select("frmgtasaitem", "lstgtasaitem",
                   testsupport::entryIndex(app.forms, "frmgtasaitem", "lstgtasaitem", caption));
        fill("frmgtasaitem", codeName, x, y, z);
        app.click("frmgtasaitem", "cmdgencode");
        EXPECT_FALSE(app.forms.isLoaded("frmgtasaitem"));
        const std::string line = app.text("frmgtasaitemfinished", "txtgtasaitemfinishedcode");
        app.click("frmgtasaitemfinished", "cmdgtasacodepickback");
        return line;
    }
    std::vector<std::string> captions(const std::string& window, const std::string& list) {
        return app.forms.definition(window).layout.find(list)->items;
    }
    std::vector<std::string> tabOrder(const std::string& window) {
        std::vector<std::string> names;
        for (const auto& control : app.forms.definition(window).layout.controls) {
            names.push_back(control.name);
        }
        return names;
    }
};

struct Expected {
    const char* caption;
    const char* line;  // with code name "pk", ammo "250" and coordinates "X1", "Y2", "Z3"
};

TEST_F(GtaSaPickups, EveryWeaponEntryWritesItsLine) {
    const Expected table[] = {
        {"9mm", "032B:·$pk·=·create_weapon_pickup·#COLT45··15·ammo··250·at·X1·Y2·Z3"},
        {"AK-47", "032B:·$pk·=·create_weapon_pickup·#AK47··15·ammo··250·at·X1·Y2·Z3"},
        {"Baseball Bat", "0213:·$pk·=·create_pickup·#BAT·type··15·at·X1·Y2·Z3"},
        {"Brass Knuckles", "0213:·$pk·=·create_pickup·#BRASSKNUCKLE·type··15·at·X1·Y2·Z3"},
        {"Camera", "032B:·$pk·=·create_weapon_pickup·#CAMERA··15·ammo··250·at·X1·Y2·Z3"},
        {"Cane", "0213:·$pk·=·create_pickup·#GUN_CANE·type··15·at·X1·Y2·Z3"},
        {"Chainsaw", "0213:·$pk·=·create_pickup·#CHNSAW·type··15·at·X1·Y2·Z3"},
        {"Country Rifle", "032B:·$pk·=·create_weapon_pickup·#CUNTGUN··15·ammo··250·at·X1·Y2·Z3"},
        {"Dildo 1", "0213:·$pk·=·create_pickup·#GUN_DILDO1·type··15·at·X1·Y2·Z3"},
        {"Dildo 2", "0213:·$pk·=·create_pickup·#GUN_DILDO2·type··15·at·X1·Y2·Z3"},
        {"Fire Extinguisher",
         "032B:·$pk·=·create_weapon_pickup·#FIRE_EX··15·ammo··250·at·X1·Y2·Z3"},
        {"Flamethrower", "032B:·$pk·=·create_weapon_pickup·#FLAME··15·ammo··250·at·X1·Y2·Z3"},
        {"Flowers", "0213:·$pk·=·create_pickup·#FLOWERA·type··15·at·X1·Y2·Z3"},
        {"Golf Club", "0213:·$pk·=·create_pickup·#GOLFCLUB·type··15·at·X1·Y2·Z3"},
        {"Grenade", "032B:·$pk·=·create_weapon_pickup·#GRENADE··15·ammo··250·at·X1·Y2·Z3"},
        {"Heat-Seeking Rocket Launcher",
         "032B:·$pk·=·create_weapon_pickup·#HEATSEEK··15·ammo··250·at·X1·Y2·Z3"},
        {"Infra Red Goggles",
         "032B:·$pk·=·create_weapon_pickup·#IRGOGGLES··15·ammo··250·at·X1·Y2·Z3"},
        {"Katana", "0213:·$pk·=·create_pickup·#KATANA·type··15·at·X1·Y2·Z3"},
        {"Knife", "0213:·$pk·=·create_pickup·#KNIFECUR·type··15·at·X1·Y2·Z3"},
        {"M4", "032B:·$pk·=·create_weapon_pickup·#M4··15·ammo··250·at·X1·Y2·Z3"},
        {"Micro Uzi", "032B:·$pk·=·create_weapon_pickup·#MICRO_UZI··15·ammo··250·at·X1·Y2·Z3"},
        {"Minigun", "032B:·$pk·=·create_weapon_pickup·#MINIGUN··15·ammo··250·at·X1·Y2·Z3"},
        {"Molotov Cocktail", "032B:·$pk·=·create_weapon_pickup·#MOLOTOV··15·ammo··250·at·X1·Y2·Z3"},
        {"Nightstick", "0213:·$pk·=·create_pickup·#NITESTICK·type··15·at·X1·Y2·Z3"},
        {"Night-Vision Goggles",
         "032B:·$pk·=·create_weapon_pickup·#NVGOGGLES··15·ammo··250·at·X1·Y2·Z3"},
        {"Parachute", "0213:·$pk·=·create_pickup·#GUN_PARA·type··15·at·X1·Y2·Z3"},
        {"Pool Cue", "0213:·$pk·=·create_pickup·#POOLCUE·type··15·at·X1·Y2·Z3"},
        {"Rocket Launcher", "032B:·$pk·=·create_weapon_pickup·#ROCKETLA··15·ammo··250·at·X1·Y2·Z3"},
        {"S.P.A.S. Shotgun",
         "032B:·$pk·=·create_weapon_pickup·#SHOTGSPA··15·ammo··250·at·X1·Y2·Z3"},
        {"Satchel Charge", "032B:·$pk·=·create_weapon_pickup·#SATCHEL··15·ammo··250·at·X1·Y2·Z3"},
        {"Sawn-Off Shotgun", "032B:·$pk·=·create_weapon_pickup·#SAWNOFF··15·ammo··250·at·X1·Y2·Z3"},
        {"Shotgun", "032B:·$pk·=·create_weapon_pickup·#CHROMEGUN··15·ammo··250·at·X1·Y2·Z3"},
        {"Shovel", "0213:·$pk·=·create_pickup·#SHOVEL·type··15·at·X1·Y2·Z3"},
        {"Silenced Pistol", "032B:·$pk·=·create_weapon_pickup·#SILENCED··15·ammo··250·at·X1·Y2·Z3"},
        {"SMG", "032B:·$pk·=·create_weapon_pickup·#MP5LNG··15·ammo··250·at·X1·Y2·Z3"},
        {"Sniper Rifle", "032B:·$pk·=·create_weapon_pickup·#SNIPER··15·ammo··250·at·X1·Y2·Z3"},
        {"Spray Can", "032B:·$pk·=·create_weapon_pickup·#SPRAYCAN··15·ammo··250·at·X1·Y2·Z3"},
        {"Tear gas", "032B:·$pk·=·create_weapon_pickup·#TEARGAS··15·ammo··250·at·X1·Y2·Z3"},
        {"Tec-9", "032B:·$pk·=·create_weapon_pickup·#TEC9··15·ammo··250·at·X1·Y2·Z3"},
        {"Vibrator 1", "0213:·$pk·=·create_pickup·#GUN_VIBE1·type··15·at·X1·Y2·Z3"},
        {"Vibrator 2", "0213:·$pk·=·create_pickup·#GUN_VIBE2·type··15·at·X1·Y2·Z3"},
    };
    const auto listed = captions("frmgtasaweapon", "lstgtasaweapon");
    ASSERT_EQ(listed.size(), std::size(table));
    int index = 0;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(listed[static_cast<std::size_t>(index)], e.caption);
        EXPECT_EQ(weapon(e.caption, "pk", "250", "X1", "Y2", "Z3"), spaced(e.line));
        ++index;
    }
}

TEST_F(GtaSaPickups, EveryItemEntryWritesItsLine) {
    // Two blanks after "at" here, and the jetpack's ammunition is a fixed 0.
    const Expected table[] = {
        {"Adrenaline", "0213:·$pk·=·create_pickup·#ADRENALINE·type··15·at··X1·Y2·Z3"},
        {"Body Armour", "0213:·$pk·=·create_pickup·#BODYARMOUR·type··15·at··X1·Y2·Z3"},
        {"Bribe", "0213:·$pk·=·create_pickup·#BRIBE·type··15·at··X1·Y2·Z3"},
        {"Health", "0213:·$pk·=·create_pickup·#HEALTH·type··15·at··X1·Y2·Z3"},
        {"Jetpack", "032B:·$pk·=·create_weapon_pickup·#JETPACK··15·ammo·0·at··X1·Y2·Z3"},
    };
    const auto listed = captions("frmgtasaitem", "lstgtasaitem");
    ASSERT_EQ(listed.size(), std::size(table));
    int index = 0;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(listed[static_cast<std::size_t>(index)], e.caption);
        EXPECT_EQ(item(e.caption, "pk", "X1", "Y2", "Z3"), spaced(e.line));
        ++index;
    }
}

TEST_F(GtaSaPickups, WorkedExamplesAndEmptyBoxes) {
    EXPECT_EQ(weapon("M4", "m4gun", "500", "249.5", "-166.5", "13.3"),
              spaced("032B:·$m4gun·=·create_weapon_pickup·#M4··15·ammo··500·at·249.5·-166.5·13.3"));
    EXPECT_EQ(weapon("Baseball Bat", "bat1", "99", "1", "2", "3"),
              spaced("0213:·$bat1·=·create_pickup·#BAT·type··15·at·1·2·3"));
    EXPECT_EQ(item("Health", "hp", "10", "20", "30"),
              spaced("0213:·$hp·=·create_pickup·#HEALTH·type··15·at··10·20·30"));
    EXPECT_EQ(item("Jetpack", "jet", "5", "6", "7"),
              spaced("032B:·$jet·=·create_weapon_pickup·#JETPACK··15·ammo·0·at··5·6·7"));

    // Empty boxes give empty runs between the fixed texts.
    EXPECT_EQ(weapon("M4", "", "", "", "", ""),
              spaced("032B:·$·=·create_weapon_pickup·#M4··15·ammo···at···"));
    EXPECT_EQ(weapon("Baseball Bat", "", "", "", "", ""),
              spaced("0213:·$·=·create_pickup·#BAT·type··15·at···"));
    EXPECT_EQ(item("Health", "", "", "", ""),
              spaced("0213:·$·=·create_pickup·#HEALTH·type··15·at····"));
    EXPECT_EQ(item("Jetpack", "", "", "", ""),
              spaced("032B:·$·=·create_weapon_pickup·#JETPACK··15·ammo·0·at····"));
}

TEST_F(GtaSaPickups, TypedValuesGoInVerbatim) {
    EXPECT_EQ(weapon("Shotgun", "$my gun", " 1e3 ", "-0", "abc", "1,5"),
              spaced("032B:·$$my·gun·=·create_weapon_pickup·#CHROMEGUN··15·ammo···1e3··at·-0·abc·"
                     "1,5"));
    EXPECT_EQ(item("Adrenaline", "Überlebens_包", "ä", "ö", "ü"),
              spaced("0213:·$Überlebens_包·=·create_pickup·#ADRENALINE·type··15·at··ä·ö·ü"));
}

TEST_F(GtaSaPickups, NothingSelectedOpensAnEmptyResultAndDropsTheCreator) {
    open("cmdgtasaitem", "frmgtasaitem");
    fill("frmgtasaitem", "pk", "1", "2", "3");
    app.click("frmgtasaitem", "cmdgencode");
    EXPECT_TRUE(app.forms.isVisible("frmgtasaitemfinished"));
    EXPECT_EQ(app.text("frmgtasaitemfinished", "txtgtasaitemfinishedcode"), "");
    EXPECT_FALSE(app.forms.isLoaded("frmgtasaitem"));
    app.click("frmgtasaitemfinished", "cmdbackgtasaitem");
    EXPECT_EQ(app.forms["frmgtasaitem"].ListIndex("lstgtasaitem"), -1);
    EXPECT_EQ(app.text("frmgtasaitem", "txtcodename"), "");
}

TEST_F(GtaSaPickups, CoordinateBoxesTakeSevenCharacters) {
    open("cmdgtasaweapon", "frmgtasaweapon");
    for (const char* box : {"txtx", "txty", "txtz"}) {
        EXPECT_EQ(app.type("frmgtasaweapon", box, "-1234.5678"), 7) << box;
    }
    EXPECT_EQ(app.type("frmgtasaweapon", "txtcodename", std::string(40, 'n')), 40);
    EXPECT_EQ(app.type("frmgtasaweapon", "txtammo", std::string(40, '9')), 40);
    app.click("frmgtasaweapon", "cmdbacktogtasacodepick");
    app.click("frmgtasacodepick", "cmdgtasaitem");
    for (const char* box : {"txtx", "txty", "txtz"}) {
        EXPECT_EQ(app.type("frmgtasaitem", box, "äöüäöüäö"), 7) << box;
    }
}

TEST_F(GtaSaPickups, WindowsHaveTheirCaptionsSizesAndTabOrders) {
    struct Window {
        const char* name;
        const char* caption;
        int width, height;
        std::vector<std::string> order;
    };
    const Window windows[] = {
        {"frmgtasaweapon",
         "Quarnix| GTA SA Weapon Spawn Point Creator",
         6465,
         3540,
         {"lstgtasaweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "txtcodename", "lblcodename", "txtammo", "lblammo", "cmdgencode",
          "cmdbacktogtasacodepick", "cmdbacktogtapick", "cmdexit"}},
        {"frmgtasaitem",
         "Quarnix | GTA SA Item Spawn Point Creator",
         5715,
         3030,
         {"lstgtasaitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick",
          "cmdexit"}},
        {"frmgtasaweaponfinished",
         "Quarnix | GTA SA Weapon Spawn Point Code",
         5895,
         2070,
         {"txtfinishedcode", "cmdbackgtasaweapon", "cmdgtasacodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgtasaitemfinished",
         "Quarnix | GTA SA Item Spawn Point Code",
         5550,
         2085,
         {"cmdexit", "cmdbackgtapick", "cmdgtasacodepickback", "cmdbackgtasaitem",
          "txtgtasaitemfinishedcode"}},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        const auto& layout = app.forms.definition(w.name).layout;
        EXPECT_EQ(layout.caption, w.caption);
        EXPECT_EQ(layout.width, w.width);
        EXPECT_EQ(layout.height, w.height);
        EXPECT_EQ(tabOrder(w.name), w.order);
        app.forms.Show(w.name);
        EXPECT_EQ(app.forms[w.name].focusedControl(), w.order.front());
    }
    const auto& weaponLayout = app.forms.definition("frmgtasaweapon").layout;
    EXPECT_EQ(weaponLayout.find("lblammo")->caption, "Amount Of Ammo");
    EXPECT_EQ(weaponLayout.find("cmdbacktogtasacodepick")->caption, "Back To GTA SA Code Pick");
    EXPECT_EQ(app.forms.definition("frmgtasaitemfinished").layout.find("cmdbackgtasaitem")->caption,
              "Back To GTA SA Item Spawn Point Creator");
}

}  // namespace
