// GTA3 weapon and item creators on the in-memory backend: the exact pickup lines, the
// windows' layouts and their navigation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_app.h"
#include "support/text.h"
#include "unit/entries.h"

namespace {

using testsupport::MemoryApp;
using testsupport::spaced;

const char* const kWeaponBoxes[] = {"txtgta3weaponname", "txtgta3weaponammo", "txtgta3weaponx",
                                    "txtgta3weapony", "txtgta3weaponz"};

class Gta3Pickups : public ::testing::Test {
protected:
    void SetUp() override { app.forms.Show("frmgta3codepick"); }

    // Opens the weapon creator from the picker, picks an entry, fills the boxes and generates.
    std::string weapon(const std::string& caption, const std::string& name, const std::string& ammo,
                       const std::string& x, const std::string& y, const std::string& z) {
        app.click("frmgta3codepick", "cmdgta3weapon");
        app.select("frmgta3weapon", "lstgta3weapon",
                   testsupport::entryIndex(app.forms, "frmgta3weapon", "lstgta3weapon", caption));
        const std::string values[] = {name, ammo, x, y, z};
        for (int i = 0; i < 5; ++i) {
            app.type("frmgta3weapon", kWeaponBoxes[i], values[i]);
        }
        app.click("frmgta3weapon", "cmdgta3weapongeneratecode");
        const std::string line = app.text("frmgta3weaponcode", "txtgta3weaponfinishedcode");
        app.click("frmgta3weaponcode", "cmdgta3codepickback");
        return line;
    }

    std::string item(const std::string& caption, const std::string& name, const std::string& x,
                     const std::string& y, const std::string& z) {
        app.click("frmgta3codepick", "cmdgta3item");
        app.select("frmgta3item", "lstitem",
                   testsupport::entryIndex(app.forms, "frmgta3item", "lstitem", caption));
        app.type("frmgta3item", "txtgta3itemcodename", name);
        app.type("frmgta3item", "txtgta3itemcoordx", x);
        app.type("frmgta3item", "txtgta3itemcoordy", y);
        app.type("frmgta3item", "txtgta3itemcoordz", z);
        app.click("frmgta3item", "cmdgta3itemgencode");
        const std::string line = app.text("frmgta3itemfinished", "txtgta3itemfinishedcode");
        app.click("frmgta3itemfinished", "cmdgta3codepickback");
        return line;
    }

    MemoryApp app;
};

TEST_F(Gta3Pickups, WorkedExamples) {
    EXPECT_EQ(weapon("Handgun", "w1", "30", "100.5", "-20.25", "10"),
              spaced("032B:·$w1·=·create_weapon_pickup·#COLT45··14·ammo··30·at·100.5·-20.25·10"));
    // The bat never reads the ammo box: a typed amount changes nothing.
    const std::string bat = spaced("0213:·$bat·=·create_pickup·#BAT·type··2·at··1·2·3");
    EXPECT_EQ(weapon("Baseball Bat", "bat", "99", "1", "2", "3"), bat);
    EXPECT_EQ(weapon("Baseball Bat", "bat", "", "1", "2", "3"), bat);
    // Empty boxes leave the fixed texts joined with nothing between them.
    EXPECT_EQ(item("Health", "", "", "", ""),
              spaced("0213:·$·=·create_pickup·-28·(HEALTH)·type··14·at····"));
    EXPECT_EQ(weapon("Sniper Rifle", "", "", "", "", ""),
              spaced("032B:·$·=·create_weapon_pickup·#SNIPER··14·ammo···at···"));
}

TEST_F(Gta3Pickups, EveryEntryWritesItsOwnLine) {
    const std::vector<std::pair<std::string, std::string>> weapons = {
        {"Baseball Bat", "0213:·$n·=·create_pickup·#BAT·type··2·at··1·2·3"},
        {"Handgun", "032B:·$n·=·create_weapon_pickup·#COLT45··14·ammo··7·at·1·2·3"},
        {"Uzi", "032B:·$n·=·create_weapon_pickup·#UZI··14·ammo··7·at·1·2·3"},
        {"Shotgun", "032B:·$n·=·create_weapon_pickup·#SHOTGUN··14·ammo··7·at·1·2·3"},
        {"AK-47", "032B:·$n·=·create_weapon_pickup·#AK47··14·ammo··7·at·1·2·3"},
        {"M-16", "032B:·$n·=·create_weapon_pickup·#M16··14·ammo··7·at·1·2·3"},
        {"Rocket Launcher", "032B:·$n·=·create_weapon_pickup·#ROCKET··14·ammo··7·at·1·2·3"},
        {"Flamethrower", "032B:·$n·=·create_weapon_pickup·#FLAME··14·ammo··7·at·1·2·3"},
        {"Molotov Cocktails", "032B:·$n·=·create_weapon_pickup·#MOLOTOV··14·ammo··7·at·1·2·3"},
        {"Grenades", "032B:·$n·=·create_weapon_pickup·#GRENADE··14·ammo··7·at·1·2·3"},
        {"Sniper Rifle", "032B:·$n·=·create_weapon_pickup·#SNIPER··14·ammo··7·at·1·2·3"},
    };
    for (const auto& [caption, line] : weapons) {
        EXPECT_EQ(weapon(caption, "n", "7", "1", "2", "3"), spaced(line)) << caption;
    }
    const std::vector<std::pair<std::string, std::string>> items = {
        {"Adrenaline", "0213:·$n·=·create_pickup·-29·(ADRENALINE)·type··14·at··1·2·3"},
        {"Body Armour", "0213:·$n·=·create_pickup·-24·(BODYARMOUR)·type··14·at··1·2·3"},
        {"Bribe", "0213:·$n·=·create_pickup·-30·(BRIBE)·type··14·at··1·2·3"},
        {"Health", "0213:·$n·=·create_pickup·-28·(HEALTH)·type··14·at··1·2·3"},
    };
    for (const auto& [caption, line] : items) {
        EXPECT_EQ(item(caption, "n", "1", "2", "3"), spaced(line)) << caption;
    }
}

TEST_F(Gta3Pickups, TypedValuesGoInVerbatim) {
    // Blanks, a leading "$", letters and characters outside ASCII are neither trimmed nor
    // checked nor converted.
    EXPECT_EQ(weapon("Uzi", "$Waffe_ü_武器", " 5 ", "x", "-0", "1e3"),
              spaced("032B:·$$Waffe_ü_武器·=·create_weapon_pickup·#UZI··14·ammo···5··at·x·-0·1e3"));
    EXPECT_EQ(item("Body Armour", "Brustpanzer_ß", "  ", "1", "2"),
              spaced("0213:·$Brustpanzer_ß·=·create_pickup·-24·(BODYARMOUR)·type··14·at·····1·2"));
}

TEST_F(Gta3Pickups, NothingSelectedOpensAnEmptyResultAndDropsTheCreator) {
    app.click("frmgta3codepick", "cmdgta3weapon");
    app.type("frmgta3weapon", "txtgta3weaponname", "w1");
    app.click("frmgta3weapon", "cmdgta3weapongeneratecode");
    EXPECT_TRUE(app.forms.isVisible("frmgta3weaponcode"));
    EXPECT_EQ(app.text("frmgta3weaponcode", "txtgta3weaponfinishedcode"), "");
    EXPECT_FALSE(app.forms.isLoaded("frmgta3weapon"));

    app.forms.Show("frmgta3item");
    app.type("frmgta3item", "txtgta3itemcodename", "i1");
    app.click("frmgta3item", "cmdgta3itemgencode");
    EXPECT_TRUE(app.forms.isVisible("frmgta3itemfinished"));
    EXPECT_EQ(app.text("frmgta3itemfinished", "txtgta3itemfinishedcode"), "");
    EXPECT_FALSE(app.forms.isLoaded("frmgta3item"));
}

TEST_F(Gta3Pickups, ListsShowTheirEntriesInOrder) {
    auto items = [&](const std::string& window, const std::string& list) {
        return app.forms.definition(window).layout.find(list)->items;
    };
    EXPECT_EQ(items("frmgta3weapon", "lstgta3weapon"),
              (std::vector<std::string>{"Baseball Bat", "Handgun", "Uzi", "Shotgun", "AK-47",
                                        "M-16", "Rocket Launcher", "Flamethrower",
                                        "Molotov Cocktails", "Grenades", "Sniper Rifle"}));
    EXPECT_EQ(items("frmgta3item", "lstitem"),
              (std::vector<std::string>{"Adrenaline", "Body Armour", "Bribe", "Health"}));
    app.click("frmgta3codepick", "cmdgta3weapon");
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), -1);
}

// The focusable controls of a window in tab order.
std::vector<std::string> focusOrder(const forms::WindowLayout& layout) {
    std::vector<std::string> names;
    for (const auto& control : layout.controls) {
        if (forms::takesFocus(control.kind)) {
            names.push_back(control.name);
        }
    }
    return names;
}

TEST_F(Gta3Pickups, WindowsHaveTheirCaptionsSizesAndFocusOrders) {
    struct Expected {
        const char* window;
        const char* caption;
        int width;
        int height;
        std::vector<std::string> order;
    };
    const Expected windows[] = {
        {"frmgta3weapon",
         "Quarnix | GTA3 Weapon Spawn Point Creator",
         5865,
         3570,
         {"lstgta3weapon", "txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz",
          "txtgta3weaponname", "txtgta3weaponammo", "cmdgta3weapongeneratecode", "cmdbackgta3cp",
          "cmdbackgtapick", "cmdexit"}},
        {"frmgta3item",
         "Quarnix | GTA3 Item Spawn Point Creator",
         5535,
         3015,
         {"lstitem", "txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz",
          "txtgta3itemcodename", "cmdgta3itemgencode", "cmdbacktogta3codepick", "cmdbacktogtapick",
          "cmdexit"}},
        {"frmgta3weaponcode",
         "Quarnix | GTA3 Weapon Spawn Point Code",
         5595,
         2100,
         {"txtgta3weaponfinishedcode", "cmdbackgta3weapon", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgta3itemfinished",
         "Quarnix | GTA3 Item Spawn Point Code",
         5595,
         2115,
         {"cmdexit", "cmdbackgtapick", "cmdgta3codepickback", "cmdbackgta3item",
          "txtgta3itemfinishedcode"}},
    };
    for (const auto& w : windows) {
        const auto& layout = app.forms.definition(w.window).layout;
        EXPECT_EQ(layout.caption, w.caption) << w.window;
        EXPECT_EQ(layout.width, w.width) << w.window;
        EXPECT_EQ(layout.height, w.height) << w.window;
        EXPECT_EQ(focusOrder(layout), w.order) << w.window;
        app.forms.Show(w.window);
        EXPECT_EQ(app.forms[w.window].focusedControl(), w.order.front()) << w.window;
    }
}

TEST_F(Gta3Pickups, CreatorControlsCarryTheirCaptionsAndLimits) {
    const auto& weapon = app.forms.definition("frmgta3weapon").layout;
    const std::vector<std::pair<std::string, std::string>> captions = {
        {"framegta3coord", "Coordinates"},
        {"lblx", "X"},
        {"lbly", "Y"},
        {"lblz", "Z"},
        {"lblcodename", "Code Name"},
        {"lblammo", "Amount Of Ammo"},
        {"cmdgta3weapongeneratecode", "Generate My Code"},
        {"cmdbackgta3cp", "Back To GTA3 Code Pick"},
        {"cmdbackgtapick", "Back To GTA Pick"},
        {"cmdexit", "Exit"},
    };
    for (const auto& [control, caption] : captions) {
        ASSERT_NE(weapon.find(control), nullptr) << control;
        EXPECT_EQ(weapon.find(control)->caption, caption) << control;
    }
    const auto& item = app.forms.definition("frmgta3item").layout;
    EXPECT_EQ(item.find("framegta3itemcoord")->caption, "Coordinates");
    EXPECT_EQ(item.find("cmdgta3itemgencode")->caption, "Generate My Code");
    EXPECT_EQ(item.find("cmdbacktogta3codepick")->caption, "Back To GTA3 Code Pick");
    EXPECT_EQ(item.find("cmdbacktogtapick")->caption, "Back To GTA Pick");
    EXPECT_EQ(item.find("txtgta3itemcoordx")->parent, "framegta3itemcoord");
    EXPECT_EQ(item.find("lblz")->parent, "framegta3itemcoord");
    EXPECT_EQ(item.find("lblammo"), nullptr);

    // Coordinates stop at seven characters; code name and ammo take any length.
    app.forms.Show("frmgta3weapon");
    EXPECT_EQ(app.type("frmgta3weapon", "txtgta3weaponx", "-1234.567"), 7);
    EXPECT_EQ(app.text("frmgta3weapon", "txtgta3weaponx"), "-1234.5");
    const std::string longName(40, 'n');
    EXPECT_EQ(app.type("frmgta3weapon", "txtgta3weaponname", longName), 40);
    EXPECT_EQ(app.type("frmgta3weapon", "txtgta3weaponammo", "1234567890"), 10);
    app.forms.Show("frmgta3item");
    for (const char* box : {"txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz"}) {
        EXPECT_EQ(app.type("frmgta3item", box, "12345678"), 7) << box;
    }
    EXPECT_EQ(app.type("frmgta3item", "txtgta3itemcodename", longName), 40);
}

TEST_F(Gta3Pickups, PickerButtonsOpenTheCreators) {
    app.click("frmgta3codepick", "cmdgta3weapon");
    EXPECT_TRUE(app.forms.isVisible("frmgta3weapon"));
    EXPECT_FALSE(app.forms.isLoaded("frmgta3codepick"));
    EXPECT_EQ(app.forms["frmgta3weapon"].focusedControl(), "lstgta3weapon");

    app.forms.Show("frmgta3codepick");
    app.forms.Unload("frmgta3weapon");
    app.click("frmgta3codepick", "cmdgta3item");
    EXPECT_TRUE(app.forms.isVisible("frmgta3item"));
    EXPECT_FALSE(app.forms.isLoaded("frmgta3codepick"));
    EXPECT_EQ(app.forms["frmgta3item"].focusedControl(), "lstitem");
}

TEST_F(Gta3Pickups, BackToTheCreatorOpensItEmptyAndAFreshGenerateReplacesTheText) {
    app.click("frmgta3codepick", "cmdgta3item");
    app.select("frmgta3item", "lstitem",
               testsupport::entryIndex(app.forms, "frmgta3item", "lstitem", "Adrenaline"));
    app.type("frmgta3item", "txtgta3itemcodename", "first");
    app.click("frmgta3item", "cmdgta3itemgencode");
    app.window("frmgta3itemfinished").type("txtgta3itemfinishedcode", " edited");

    app.click("frmgta3itemfinished", "cmdbackgta3item");
    EXPECT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), -1);
    for (const char* box :
         {"txtgta3itemcodename", "txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz"}) {
        EXPECT_EQ(app.text("frmgta3item", box), "") << box;
    }
    app.select("frmgta3item", "lstitem",
               testsupport::entryIndex(app.forms, "frmgta3item", "lstitem", "Bribe"));
    app.type("frmgta3item", "txtgta3itemcodename", "second");
    app.click("frmgta3item", "cmdgta3itemgencode");
    EXPECT_EQ(app.text("frmgta3itemfinished", "txtgta3itemfinishedcode"),
              spaced("0213:·$second·=·create_pickup·-30·(BRIBE)·type··14·at····"));
}

TEST(Gta3PickupsExit, EachWindowGreysUnderItsOwnConfirmation) {
    // (The keyboard path through a creator's Exit and "No" is covered on the real widgets.)
    const std::pair<const char*, const char*> windows[] = {
        {"frmgta3weapon", "frmgta3weaponexit"},
        {"frmgta3weaponcode", "frmgta3weaponfinishedexit"},
        {"frmgta3item", "frmgta3itemexit"},
        {"frmgta3itemfinished", "frmgta3itemfinishedexit"},
    };
    for (const auto& [window, confirmation] : windows) {
        MemoryApp app;
        app.forms.Show(window);
        app.click(window, "cmdexit");
        EXPECT_TRUE(app.forms.isVisible(confirmation)) << window;
        EXPECT_FALSE(app.forms[window].Enabled("cmdexit")) << window;
        app.click(confirmation, "cmdno");
        EXPECT_FALSE(app.forms.isLoaded(confirmation)) << window;
        EXPECT_TRUE(app.forms[window].Enabled("cmdexit")) << window;
        app.click(window, "cmdexit");
        app.click(confirmation, "cmdyes");
        EXPECT_TRUE(app.forms.ended()) << window;
    }
}

}  // namespace
