// The GTA VC weapon and item creators: their game tables, windows and the lines they write.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
#include "creators/creator_layout.h"
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

// Geometry in twips. A single-line box is 300 high, a one-line label 225; the bottom-row
// buttons leave room for a caption that wraps onto two lines.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kBoxHeight = 300;
constexpr int kLabelHeight = 225;
constexpr int kBottomButtonHeight = 495;

// The "Coordinates" frame of both creators.
CoordinatesFrame coordinates(forms::Rect rect) {
    return {.rect = rect, .inset = 120, .boxHeight = kBoxHeight};
}

// Widths follow the captions, so "Back To GTA VC Code Pick" keeps to one line.
const BottomRow kBottomRow = {.backToPicker = "cmdbacktovccp",
                              .pickerCaption = "Back To GTA VC Code Pick",
                              .height = kBottomButtonHeight,
                              .pickerShare = 42,
                              .mainShare = 34,
                              .exitShare = 24};

forms::WindowLayout weaponCreator() {
    constexpr int kWidth = 6015;
    constexpr int kHeight = 3645;
    constexpr int kListWidth = 2055;
    constexpr int kRight = kMargin + kListWidth + kGap;  // left edge of the right column
    constexpr int kRightWidth = kWidth - kMargin - kRight;
    constexpr int kLabelWidth = 1395;  // "Amount Of Ammo" in full
    constexpr int kFieldX = kRight + kLabelWidth + 60;
    constexpr int kFieldWidth = kWidth - kMargin - kFieldX;
    constexpr int kBottomTop = kHeight - kMargin - kBottomButtonHeight;
    constexpr int kFrameHeight = 960;
    constexpr int kCodeNameTop = kMargin + kFrameHeight + 180;
    constexpr int kAmmoTop = kCodeNameTop + kBoxHeight + 150;
    constexpr int kGenerateTop = kAmmoTop + kBoxHeight + 180;
    // Label text sits a little lower than a box's top, so it lines up with the typed text.
    constexpr int kLabelDrop = 45;

    forms::WindowLayout layout;
    layout.name = "frmgtavcweapon";
    layout.caption = "Quarnix | GTA VC Weapon Spawn Point Creator";
    layout.width = kWidth;
    layout.height = kHeight;
    layout.controls.push_back(forms::listBox(
        "lstgtavcweapon", {}, {kMargin, kMargin, kListWidth, kBottomTop - kGap - kMargin}));
    addCoordinates(layout, coordinates({kRight, kMargin, kRightWidth, kFrameHeight}));
    layout.controls.push_back(
        forms::label("lblcodename", "Code Name",
                     {kRight, kCodeNameTop + kLabelDrop, kLabelWidth, kLabelHeight}));
    layout.controls.push_back(forms::label(
        "lblammo", "Amount Of Ammo", {kRight, kAmmoTop + kLabelDrop, kLabelWidth, kLabelHeight}));
    layout.controls.push_back(
        forms::textBox("txtcodename", {kFieldX, kCodeNameTop, kFieldWidth, kBoxHeight}));
    layout.controls.push_back(
        forms::textBox("txtammo", {kFieldX, kAmmoTop, kFieldWidth, kBoxHeight}));
    layout.controls.push_back(
        forms::button("cmdgencode", "Generate My Code",
                      {kRight, kGenerateTop, kRightWidth, kBottomTop - kGap - kGenerateTop}));
    addBottomRow(layout, kBottomRow);
    return layout;
}

forms::WindowLayout itemCreator() {
    constexpr int kWidth = 5700;
    constexpr int kHeight = 3030;
    constexpr int kInner = kWidth - 2 * kMargin;
    constexpr int kListWidth = 1815;
    constexpr int kTopHeight = 1005;  // the list and the frame side by side
    constexpr int kFrameX = kMargin + kListWidth + kGap;
    constexpr int kCodeNameTop = kMargin + kTopHeight + 150;
    constexpr int kLabelWidth = 1095;
    constexpr int kFieldX = kMargin + kLabelWidth + 60;
    constexpr int kGenerateTop = kCodeNameTop + kBoxHeight + 150;
    constexpr int kBottomTop = kHeight - kMargin - kBottomButtonHeight;
    constexpr int kLabelDrop = 45;

    forms::WindowLayout layout;
    layout.name = "frmgtavcitem";
    layout.caption = "Quarnix | GTA VC Item Spawn Point Creator";
    layout.width = kWidth;
    layout.height = kHeight;
    layout.controls.push_back(
        forms::listBox("lstgtavcitem", {}, {kMargin, kMargin, kListWidth, kTopHeight}));
    addCoordinates(layout, coordinates({kFrameX, kMargin, kWidth - kMargin - kFrameX, kTopHeight}));
    layout.controls.push_back(forms::textBox(
        "txtcodename", {kFieldX, kCodeNameTop, kWidth - kMargin - kFieldX, kBoxHeight}));
    layout.controls.push_back(
        forms::label("lblcodename", "Code Name",
                     {kMargin, kCodeNameTop + kLabelDrop, kLabelWidth, kLabelHeight}));
    layout.controls.push_back(
        forms::button("cmdgencode", "Generate My Code",
                      {kMargin, kGenerateTop, kInner, kBottomTop - kGap - kGenerateTop}));
    addBottomRow(layout, kBottomRow);
    return layout;
}

}  // namespace

void defineGtaVc(forms::Forms& forms) {
    Group weapon;
    weapon.picker = "frmgtavccodepick";
    weapon.creator = weaponCreator();
    weapon.list = "lstgtavcweapon";
    weapon.generate = "cmdgencode";
    weapon.creatorBackToPicker = "cmdbacktovccp";
    weapon.creatorBackToMain = "cmdbacktogtapick";
    weapon.entries = entriesOf(kWeapons);
    setResultWindow(weapon, {.name = "frmgtavcweaponfinished",
                             .game = "GTA VC",
                             .kind = "Weapon",
                             .width = 5910,
                             .height = 2070,
                             .box = "txtfinishedcode",
                             .backToCreator = "cmdbackgtavcweapon",
                             .backToPicker = "cmdgtavccodepickback",
                             .focus = ResultFocus::ExitFirst});
    defineGroup(forms, std::move(weapon));

    Group item;
    item.picker = "frmgtavccodepick";
    item.creator = itemCreator();
    item.list = "lstgtavcitem";
    item.generate = "cmdgencode";
    item.creatorBackToPicker = "cmdbacktovccp";
    item.creatorBackToMain = "cmdbacktogtapick";
    item.entries = entriesOf(kItems);
    setResultWindow(item, {.name = "frmgtavcitemfinished",
                           .game = "GTA VC",
                           .kind = "Item",
                           .width = 5520,
                           .height = 2055,
                           .box = "txtgtavcitemfinishedcode",
                           .backToCreator = "cmdbackgtavcitem",
                           .backToPicker = "cmdgtavccodepickback",
                           .focus = ResultFocus::BoxFirst});
    defineGroup(forms, std::move(item));
}

}  // namespace creators::pickups
