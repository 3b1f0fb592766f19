// GTA SA weapon and item creators: their windows and the pickup lines each list entry writes.
#include <string>
#include <vector>

#include "creators/creator.h"
#include "creators/creator_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/pickups/pickups.h"
#include "forms/runtime.h"

namespace creators::pickups {

namespace {

using forms::Rect;

// Shared geometry of both creators, in twips.
constexpr int kMargin = 120;
constexpr int kBoxHeight = 300;     // a single-line text box
constexpr int kLabelHeight = 225;   // a one-line label
constexpr int kLabelDrop = 45;      // lines a label's text up with the text of its box
constexpr int kBottomHeight = 465;  // room for a caption wrapped over two lines
constexpr int kGenerateHeight = 405;
constexpr int kFrameHeight = 930;  // caption, a row of boxes and their labels

// The three buttons along the bottom share the width evenly.
BottomRow bottomRow(const Group& g) {
    return {.backToPicker = g.creatorBackToPicker,
            .pickerCaption = "Back To GTA SA Code Pick",
            .height = kBottomHeight};
}

// A frame taller than it needs keeps its rows centred.
CoordinatesFrame coordinates(Rect frame) {
    return {.rect = frame,
            .inset = 150,
            .boxHeight = kBoxHeight,
            .shift = (frame.height - kFrameHeight) / 2};
}

// Both creators name their boxes alike; the item creator has no ammo box, and none of
// its entries reads one.
const PickupBoxes kBoxes = {"txtcodename", "txtammo", "txtx", "txty", "txtz"};

// The weapon creator: the list down the left, everything else to its right.
Group weaponGroup() {
    constexpr int kWidth = 6465;
    constexpr int kHeight = 3540;
    constexpr int kListWidth = 2760;  // "Heat-Seeking Rocket Launcher" beside a scroll bar
    constexpr int kBottomTop = kHeight - kMargin - kBottomHeight;
    constexpr int kRight = kMargin + kListWidth + 150;  // left edge of the right column
    constexpr int kRightWidth = kWidth - kMargin - kRight;
    constexpr int kCaptionWidth = 1380;  // "Amount Of Ammo" is the longer of the two
    constexpr int kBoxLeft = kRight + kCaptionWidth + 75;
    constexpr int kBoxWidth = kWidth - kMargin - kBoxLeft;
    constexpr int kNameTop = kMargin + kFrameHeight + 240;
    constexpr int kAmmoTop = kNameTop + kBoxHeight + 150;
    constexpr int kGenerateTop = kAmmoTop + kBoxHeight + 240;

    Group g;
    g.picker = "frmgtasacodepick";
    g.list = "lstgtasaweapon";
    g.generate = "cmdgencode";
    g.creatorBackToPicker = "cmdbacktogtasacodepick";
    g.creatorBackToMain = "cmdbacktogtapick";

    forms::WindowLayout& w = g.creator;
    w.name = "frmgtasaweapon";
    w.caption = "Quarnix| GTA SA Weapon Spawn Point Creator";
    w.width = kWidth;
    w.height = kHeight;
    w.controls.push_back(
        forms::listBox(g.list, {}, {kMargin, kMargin, kListWidth, kBottomTop - 2 * kMargin}));
    addCoordinates(w, coordinates({kRight, kMargin, kRightWidth, kFrameHeight}));
    w.controls.push_back(
        forms::textBox("txtcodename", {kBoxLeft, kNameTop, kBoxWidth, kBoxHeight}));
    w.controls.push_back(forms::label(
        "lblcodename", "Code Name", {kRight, kNameTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(forms::textBox("txtammo", {kBoxLeft, kAmmoTop, kBoxWidth, kBoxHeight}));
    w.controls.push_back(forms::label(
        "lblammo", "Amount Of Ammo", {kRight, kAmmoTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(forms::button(g.generate, "Generate My Code",
                                       {kRight, kGenerateTop, kRightWidth, kGenerateHeight}));
    addBottomRow(w, bottomRow(g));

    auto pickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kBoxes, fixedText)};
    };
    auto weaponPickup = [](const char* caption, const char* fixedText) {
        return Entry{caption, weaponPickupLine(kBoxes, fixedText)};
    };
    g.entries = {
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

    setResultWindow(g, {.name = "frmgtasaweaponfinished",
                        .game = "GTA SA",
                        .kind = "Weapon",
                        .width = 5895,
                        .height = 2070,
                        .box = "txtfinishedcode",
                        .backToCreator = "cmdbackgtasaweapon",
                        .backToPicker = "cmdgtasacodepickback",
                        .focus = ResultFocus::BoxFirst});
    return g;
}

// The item creator: a short list beside the "Coordinates" frame, the code-name row and the
// Generate button across the whole width below them.
Group itemGroup() {
    constexpr int kWidth = 5715;
    constexpr int kHeight = 3030;
    constexpr int kInner = kWidth - 2 * kMargin;
    constexpr int kFrameWidth = 3060;
    constexpr int kTopHeight = 1110;  // the list shows its five entries without scrolling
    constexpr int kListWidth = kInner - 150 - kFrameWidth;
    constexpr int kNameTop = kMargin + kTopHeight + 195;
    constexpr int kCaptionWidth = 1080;
    constexpr int kBoxLeft = kMargin + kCaptionWidth + 75;
    constexpr int kGenerateTop = kNameTop + kBoxHeight + 195;

    Group g;
    g.picker = "frmgtasacodepick";
    g.list = "lstgtasaitem";
    g.generate = "cmdgencode";
    g.creatorBackToPicker = "cmdbacktogtasacp";
    g.creatorBackToMain = "cmdbacktogtapick";

    forms::WindowLayout& w = g.creator;
    w.name = "frmgtasaitem";
    w.caption = "Quarnix | GTA SA Item Spawn Point Creator";
    w.width = kWidth;
    w.height = kHeight;
    w.controls.push_back(forms::listBox(g.list, {}, {kMargin, kMargin, kListWidth, kTopHeight}));
    addCoordinates(w,
                   coordinates({kWidth - kMargin - kFrameWidth, kMargin, kFrameWidth, kTopHeight}));
    w.controls.push_back(forms::label(
        "lblcodename", "Code Name", {kMargin, kNameTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(forms::textBox(
        "txtcodename", {kBoxLeft, kNameTop, kWidth - kMargin - kBoxLeft, kBoxHeight}));
    w.controls.push_back(forms::button(g.generate, "Generate My Code",
                                       {kMargin, kGenerateTop, kInner, kGenerateHeight}));
    addBottomRow(w, bottomRow(g));

    auto item = [](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(kBoxes, fixedText)};
    };
    g.entries = {
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

    setResultWindow(g, {.name = "frmgtasaitemfinished",
                        .game = "GTA SA",
                        .kind = "Item",
                        .width = 5550,
                        .height = 2085,
                        .box = "txtgtasaitemfinishedcode",
                        .backToCreator = "cmdbackgtasaitem",
                        .backToPicker = "cmdgtasacodepickback",
                        .focus = ResultFocus::ExitFirst});
    return g;
}

}  // namespace

void defineGtaSa(forms::Forms& forms) {
    defineGroup(forms, weaponGroup());
    defineGroup(forms, itemGroup());
}

}  // namespace creators::pickups
