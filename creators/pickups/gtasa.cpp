// GTA SA weapon and item creators: their windows and the pickup lines each list entry writes.
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

// Both creators name their boxes alike; the item creator has no ammo box, and none of
// its entries reads one.
const PickupBoxes kBoxes = {"txtcodename", "txtammo", "txtx", "txty", "txtz"};

const CreatorDesc kWeaponCreator = {
    .window = "frmgtasaweapon",
    .caption = "Quarnix| GTA SA Weapon Spawn Point Creator",
    .width = 6465,
    .height = 3540,
    .list = "lstgtasaweapon",
    .boxes = kBoxes,
    .bottomRow = {.backToPicker = "cmdbacktogtasacodepick",
                  .pickerCaption = "Back To GTA SA Code Pick",
                  .height = 465},
    .labels = LabelOrder::AfterEachBox,
    .listWidth = 2760,  // "Heat-Seeking Rocket Launcher" beside a scroll bar
    .rowGap = 240,
    .generateHeight = 405,
};

Group weaponGroup() {
    auto pickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kBoxes, fixedText)};
    };
    auto weaponPickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, weaponPickupLine(kBoxes, fixedText)};
    };
    std::vector<Entry> entries = {
        weaponPickup("9mm", " = create_weapon_pickup #COLT45  15 ammo  "),
        weaponPickup("AK-47", " = create_weapon_pickup #AK47  15 ammo  "),
        pickup("Baseball Bat", " = create_pickup #BAT type  15 at "),
        pickup("Brass Knuckles", " = create_pickup #BRASSKNUCKLE type  15 at "),
        weaponPickup("Camera", " = create_weapon_pickup #CAMERA  15 ammo  "),
        pickup("Cane", " = create_pickup #GUN_CANE type  15 at "),
        pickup("Chainsaw", " = create_pickup #CHNSAW type  15 at "),
        weaponPickup("Country Rifle", " = create_weapon_pickup #CUNTGUN  15 ammo  "),
        pickup("Dildo 1", " = create_pickup #GUN_DILDO1 type  15 at "),
        pickup("Dildo 2", " = create_pickup #GUN_DILDO2 type  15 at "),
        weaponPickup("Fire Extinguisher", " = create_weapon_pickup #FIRE_EX  15 ammo  "),
        weaponPickup("Flamethrower", " = create_weapon_pickup #FLAME  15 ammo  "),
        pickup("Flowers", " = create_pickup #FLOWERA type  15 at "),
        pickup("Golf Club", " = create_pickup #GOLFCLUB type  15 at "),
        weaponPickup("Grenade", " = create_weapon_pickup #GRENADE  15 ammo  "),
        weaponPickup("Heat-Seeking Rocket Launcher",
                     " = create_weapon_pickup #HEATSEEK  15 ammo  "),
        weaponPickup("Infra Red Goggles", " = create_weapon_pickup #IRGOGGLES  15 ammo  "),
        pickup("Katana", " = create_pickup #KATANA type  15 at "),
        pickup("Knife", " = create_pickup #KNIFECUR type  15 at "),
        weaponPickup("M4", " = create_weapon_pickup #M4  15 ammo  "),
        weaponPickup("Micro Uzi", " = create_weapon_pickup #MICRO_UZI  15 ammo  "),
        weaponPickup("Minigun", " = create_weapon_pickup #MINIGUN  15 ammo  "),
        weaponPickup("Molotov Cocktail", " = create_weapon_pickup #MOLOTOV  15 ammo  "),
        pickup("Nightstick", " = create_pickup #NITESTICK type  15 at "),
        weaponPickup("Night-Vision Goggles", " = create_weapon_pickup #NVGOGGLES  15 ammo  "),
        pickup("Parachute", " = create_pickup #GUN_PARA type  15 at "),
        pickup("Pool Cue", " = create_pickup #POOLCUE type  15 at "),
        weaponPickup("Rocket Launcher", " = create_weapon_pickup #ROCKETLA  15 ammo  "),
        weaponPickup("S.P.A.S. Shotgun", " = create_weapon_pickup #SHOTGSPA  15 ammo  "),
        weaponPickup("Satchel Charge", " = create_weapon_pickup #SATCHEL  15 ammo  "),
        weaponPickup("Sawn-Off Shotgun", " = create_weapon_pickup #SAWNOFF  15 ammo  "),
        weaponPickup("Shotgun", " = create_weapon_pickup #CHROMEGUN  15 ammo  "),
        pickup("Shovel", " = create_pickup #SHOVEL type  15 at "),
        weaponPickup("Silenced Pistol", " = create_weapon_pickup #SILENCED  15 ammo  "),
        weaponPickup("SMG", " = create_weapon_pickup #MP5LNG  15 ammo  "),
        weaponPickup("Sniper Rifle", " = create_weapon_pickup #SNIPER  15 ammo  "),
        weaponPickup("Spray Can", " = create_weapon_pickup #SPRAYCAN  15 ammo  "),
        weaponPickup("Tear gas", " = create_weapon_pickup #TEARGAS  15 ammo  "),
        weaponPickup("Tec-9", " = create_weapon_pickup #TEC9  15 ammo  "),
        pickup("Vibrator 1", " = create_pickup #GUN_VIBE1 type  15 at "),
        pickup("Vibrator 2", " = create_pickup #GUN_VIBE2 type  15 at "),
    };
    return pickupGroup("frmgtasacodepick", kWeaponCreator, weaponCreator(kWeaponCreator),
                       std::move(entries),
                       {.name = "frmgtasaweaponfinished",
                        .game = "GTA SA",
                        .kind = "Weapon",
                        .width = 5895,
                        .height = 2070,
                        .box = "txtfinishedcode",
                        .backToCreator = "cmdbackgtasaweapon",
                        .backToPicker = "cmdgtasacodepickback",
                        .focus = ResultFocus::BoxFirst});
}

const CreatorDesc kItemCreator = {
    .window = "frmgtasaitem",
    .caption = "Quarnix | GTA SA Item Spawn Point Creator",
    .width = 5715,
    .height = 3030,
    .list = "lstgtasaitem",
    .boxes = kBoxes,
    .bottomRow = {.backToPicker = "cmdbacktogtasacp",
                  .pickerCaption = "Back To GTA SA Code Pick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 2265,
    .listHeight = 1110,  // the list shows its five entries without scrolling
    .rowGap = 195,
    .generateHeight = 405,
};

Group itemGroup() {
    auto item = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kBoxes, fixedText)};
    };
    std::vector<Entry> entries = {
        item("Adrenaline", " = create_pickup #ADRENALINE type  15 at  "),
        item("Body Armour", " = create_pickup #BODYARMOUR type  15 at  "),
        item("Bribe", " = create_pickup #BRIBE type  15 at  "),
        item("Health", " = create_pickup #HEALTH type  15 at  "),
        // A weapon pickup, but the item creator has no ammo box: its amount is the fixed "0".
        Entry{"Jetpack",
              withCoordinates({fixed("032B: $"), box("txtcodename"),
                               fixed(" = create_weapon_pickup #JETPACK  15 ammo 0 at  ")},
                              kBoxes)},
    };
    return pickupGroup("frmgtasacodepick", kItemCreator, itemCreator(kItemCreator),
                       std::move(entries),
                       {.name = "frmgtasaitemfinished",
                        .game = "GTA SA",
                        .kind = "Item",
                        .width = 5550,
                        .height = 2085,
                        .box = "txtgtasaitemfinishedcode",
                        .backToCreator = "cmdbackgtasaitem",
                        .backToPicker = "cmdgtasacodepickback",
                        .focus = ResultFocus::ExitFirst});
}

}  // namespace

void defineGtaSa(forms::Forms& forms) {
    defineGroup(forms, weaponGroup());
    defineGroup(forms, itemGroup());
}

}  // namespace creators::pickups
