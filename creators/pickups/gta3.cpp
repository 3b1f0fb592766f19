// GTA3 weapon and item creators: their windows and the pickup lines each list entry writes.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
#include "creators/pickups/pickup_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/pickups/pickups.h"
#include "forms/runtime.h"

namespace creators::pickups {

namespace {

const PickupBoxes kWeaponBoxes = {"txtgta3weaponname", "txtgta3weaponammo", "txtgta3weaponx",
                                  "txtgta3weapony", "txtgta3weaponz"};

const CreatorDesc kWeaponCreator = {
    .window = "frmgta3weapon",
    .caption = "Quarnix | GTA3 Weapon Spawn Point Creator",
    .width = 5865,
    .height = 3570,
    .list = "lstgta3weapon",
    .frame = "framegta3coord",
    .boxes = kWeaponBoxes,
    .generate = "cmdgta3weapongeneratecode",
    .bottomRow = {.backToPicker = "cmdbackgta3cp",
                  .pickerCaption = "Back To GTA3 Code Pick",
                  .backToMain = "cmdbackgtapick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 1800,
    .rowGap = 240,
    .generateHeight = 405,
};

Group weaponGroup() {
    // Entry 0 makes a plain pickup line and never reads the ammo box; the others make a weapon
    // pickup line with the typed amount of ammunition.
    auto pickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kWeaponBoxes, fixedText)};
    };
    auto weaponPickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, weaponPickupLine(kWeaponBoxes, fixedText)};
    };
    std::vector<Entry> entries = {
        pickup("Baseball Bat", " = create_pickup #BAT type  2 at  "),
        weaponPickup("Handgun", " = create_weapon_pickup #COLT45  14 ammo  "),
        weaponPickup("Uzi", " = create_weapon_pickup #UZI  14 ammo  "),
        weaponPickup("Shotgun", " = create_weapon_pickup #SHOTGUN  14 ammo  "),
        weaponPickup("AK-47", " = create_weapon_pickup #AK47  14 ammo  "),
        weaponPickup("M-16", " = create_weapon_pickup #M16  14 ammo  "),
        weaponPickup("Rocket Launcher", " = create_weapon_pickup #ROCKET  14 ammo  "),
        weaponPickup("Flamethrower", " = create_weapon_pickup #FLAME  14 ammo  "),
        weaponPickup("Molotov Cocktails", " = create_weapon_pickup #MOLOTOV  14 ammo  "),
        weaponPickup("Grenades", " = create_weapon_pickup #GRENADE  14 ammo  "),
        weaponPickup("Sniper Rifle", " = create_weapon_pickup #SNIPER  14 ammo  "),
    };
    return pickupGroup("frmgta3codepick", kWeaponCreator, weaponCreator(kWeaponCreator),
                       std::move(entries),
                       {.name = "frmgta3weaponcode",
                        .game = "GTA3",
                        .kind = "Weapon",
                        .width = 5595,
                        .height = 2100,
                        .box = "txtgta3weaponfinishedcode",
                        .backToCreator = "cmdbackgta3weapon",
                        .backToPicker = "cmdgta3codepickback",
                        .focus = ResultFocus::BoxFirst});
}

const PickupBoxes kItemBoxes = {"txtgta3itemcodename", "", "txtgta3itemcoordx", "txtgta3itemcoordy",
                                "txtgta3itemcoordz"};

const CreatorDesc kItemCreator = {
    .window = "frmgta3item",
    .caption = "Quarnix | GTA3 Item Spawn Point Creator",
    .width = 5535,
    .height = 3015,
    .list = "lstitem",
    .frame = "framegta3itemcoord",
    .boxes = kItemBoxes,
    .generate = "cmdgta3itemgencode",
    .bottomRow = {.backToPicker = "cmdbacktogta3codepick",
                  .pickerCaption = "Back To GTA3 Code Pick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 2235,
    .listHeight = 1050,  // the list shows its four entries without scrolling
    .rowGap = 165,
    .generateHeight = 405,
};

Group itemGroup() {
    auto item = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kItemBoxes, fixedText)};
    };
    std::vector<Entry> entries = {
        item("Adrenaline", " = create_pickup -29 (ADRENALINE) type  14 at  "),
        item("Body Armour", " = create_pickup -24 (BODYARMOUR) type  14 at  "),
        item("Bribe", " = create_pickup -30 (BRIBE) type  14 at  "),
        item("Health", " = create_pickup -28 (HEALTH) type  14 at  "),
    };
    return pickupGroup("frmgta3codepick", kItemCreator, itemCreator(kItemCreator),
                       std::move(entries),
                       {.name = "frmgta3itemfinished",
                        .game = "GTA3",
                        .kind = "Item",
                        .width = 5595,
                        .height = 2115,
                        .box = "txtgta3itemfinishedcode",
                        .backToCreator = "cmdbackgta3item",
                        .backToPicker = "cmdgta3codepickback",
                        .focus = ResultFocus::ExitFirst});
}

}  // namespace

void defineGta3(forms::Forms& forms) {
    defineGroup(forms, weaponGroup());
    defineGroup(forms, itemGroup());
}

}  // namespace creators::pickups
