// The GTA VC weapon and item creators: their game tables, windows and the lines they write.
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

// The two lines an entry can make. A weapon pickup (032B) carries the amount of ammunition
// from the ammo box; a plain pickup (0213) has none, so its template never names that box.
enum class Line { WeaponPickup, Pickup };

struct Row {
    const char* caption;  // display text only; the position in the table picks the line
    Line line;
    const char* fixedText;  // model token and fixed numbers, blanks counted
};

// Blanks count: the weapon creator's plain pickups end in "at" and two blanks, the items' in
// "at" and one, and "Mac" really is "#UZI 10".
const Row kWeapons[] = {
    {"Bat", Line::Pickup, " = create_pickup #BAT type  15 at  "},
    {"Brass Knuckles", Line::Pickup, " = create_pickup #BRASSKNUCKLE type  15 at  "},
    {"Chainsaw", Line::Pickup, " = create_pickup #CHNSAW type  15 at  "},
    {"Cleaver", Line::Pickup, " = create_pickup #CLEAVER type  15 at  "},
    {"Colt 45", Line::WeaponPickup, " = create_weapon_pickup #COLT45  15 ammo  "},
    {"Colt M4", Line::WeaponPickup, " = create_weapon_pickup #M4  15 ammo  "},
    {"Colt Python", Line::WeaponPickup, " = create_weapon_pickup #PYTHON  15 ammo  "},
    {"Flamethrower", Line::WeaponPickup, " = create_weapon_pickup #FLAME  15 ammo  "},
    {"Golf Club", Line::Pickup, " = create_pickup #GOLFCLUB type  2 at  "},
    {"Grenades", Line::WeaponPickup, " = create_weapon_pickup #GRENADE  15 ammo  "},
    {"Hammer", Line::Pickup, " = create_pickup #HAMMER type  2 at  "},
    {"Katana", Line::Pickup, " = create_pickup #KATANA type  2 at  "},
    {"Knife", Line::Pickup, " = create_pickup #KNIFECUR type  2 at  "},
    {"Kruger", Line::WeaponPickup, " = create_weapon_pickup #RUGER  15 ammo  "},
    {"M60", Line::WeaponPickup, " = create_weapon_pickup #M60  15 ammo  "},
    {"Mac", Line::WeaponPickup, " = create_weapon_pickup #UZI 10  15 ammo  "},
    {"Machete", Line::Pickup, " = create_pickup #MACHETE type  2 at  "},
    {"Mini Gun", Line::WeaponPickup, " = create_weapon_pickup #MINIGUN  15 ammo  "},
    {"Molotov Cocktails", Line::WeaponPickup, " = create_weapon_pickup #MOLOTOV  15 ammo  "},
    {"MP5", Line::WeaponPickup, " = create_weapon_pickup #MP5LNG  15 ammo  "},
    {"Night Stick", Line::Pickup, " = create_pickup #NITESTICK type  2 at  "},
    {"PSG-1", Line::WeaponPickup, " = create_weapon_pickup #LASER  15 ammo  "},
    {"Remote Grenades", Line::WeaponPickup, " = create_weapon_pickup #BOMB  15 ammo  "},
    {"Rocket Launcher", Line::WeaponPickup, " = create_weapon_pickup #ROCKETLA  15 ammo  "},
    {"S.P.A.S.12", Line::WeaponPickup, " = create_weapon_pickup #SHOTGSPA  15 ammo  "},
    {"Screwdriver", Line::Pickup, " = create_pickup #SCREWDRIVER type  2 at  "},
    {"Shotgun", Line::WeaponPickup, " = create_weapon_pickup #CHROMEGUN  15 ammo  "},
    {"Sniper Rifle", Line::WeaponPickup, " = create_weapon_pickup #SNIPER  15 ammo  "},
    {"Stubby Shotgun", Line::WeaponPickup, " = create_weapon_pickup #BUDDYSHOT  15 ammo  "},
    {"Tear Gas", Line::WeaponPickup, " = create_weapon_pickup #TEARGAS  15 ammo  "},
    {"Tec-9", Line::WeaponPickup, " = create_weapon_pickup #TEC9  15 ammo  "},
    {"Uzi", Line::WeaponPickup, " = create_weapon_pickup #INGRAMSL  15 ammo  "},
};

const Row kItems[] = {
    {"Adrenaline", Line::Pickup, " = create_pickup #ADRENALINE type  15 at "},
    {"Body Armour", Line::Pickup, " = create_pickup #BODYARMOUR type  15 at "},
    {"Bribe", Line::Pickup, " = create_pickup #BRIBE type  15 at "},
    {"Health", Line::Pickup, " = create_pickup #HEALTH type  15 at "},
};

// Both creators name their boxes alike; the item creator has no ammo box, and none of
// its entries reads one.
const PickupBoxes kBoxes = {"txtcodename", "txtammo", "txtx", "txty", "txtz"};

Template lineOf(const Row& row) {
    return row.line == Line::WeaponPickup ? weaponPickupLine(kBoxes, row.fixedText)
                                          : pickupLine(kBoxes, row.fixedText);
}

template <std::size_t N>
std::vector<Entry> entriesOf(const Row (&rows)[N]) {
    std::vector<Entry> entries;
    for (const Row& row : rows) {
        entries.push_back({row.caption, lineOf(row)});
    }
    return entries;
}

// Widths follow the captions, so "Back To GTA VC Code Pick" keeps to one line.
const BottomRow kBottomRow = {.backToPicker = "cmdbacktovccp",
                              .pickerCaption = "Back To GTA VC Code Pick",
                              .height = 495,
                              .pickerShare = 42,
                              .mainShare = 34,
                              .exitShare = 24};

const CreatorDesc kWeaponCreator = {
    .window = "frmgtavcweapon",
    .caption = "Quarnix | GTA VC Weapon Spawn Point Creator",
    .width = 6015,
    .height = 3645,
    .list = "lstgtavcweapon",
    .boxes = kBoxes,
    .bottomRow = kBottomRow,
    .labels = LabelOrder::BeforeAllBoxes,
    .listWidth = 2055,
    .rowGap = 180,
};

const CreatorDesc kItemCreator = {
    .window = "frmgtavcitem",
    .caption = "Quarnix | GTA VC Item Spawn Point Creator",
    .width = 5700,
    .height = 3030,
    .list = "lstgtavcitem",
    .boxes = kBoxes,
    .bottomRow = kBottomRow,
    .labels = LabelOrder::AfterEachBox,
    .listWidth = 1815,
    .listHeight = 1005,
    .rowGap = 150,
};

}  // namespace

void defineGtaVc(forms::Forms& forms) {
    defineGroup(forms, pickupGroup("frmgtavccodepick", kWeaponCreator,
                                   weaponCreator(kWeaponCreator), entriesOf(kWeapons),
                                   {.name = "frmgtavcweaponfinished",
                                    .game = "GTA VC",
                                    .kind = "Weapon",
                                    .width = 5910,
                                    .height = 2070,
                                    .box = "txtfinishedcode",
                                    .backToCreator = "cmdbackgtavcweapon",
                                    .backToPicker = "cmdgtavccodepickback",
                                    .focus = ResultFocus::ExitFirst}));
    defineGroup(forms, pickupGroup("frmgtavccodepick", kItemCreator, itemCreator(kItemCreator),
                                   entriesOf(kItems),
                                   {.name = "frmgtavcitemfinished",
                                    .game = "GTA VC",
                                    .kind = "Item",
                                    .width = 5520,
                                    .height = 2055,
                                    .box = "txtgtavcitemfinishedcode",
                                    .backToCreator = "cmdbackgtavcitem",
                                    .backToPicker = "cmdgtavccodepickback",
                                    .focus = ResultFocus::BoxFirst}));
}

}  // namespace creators::pickups
