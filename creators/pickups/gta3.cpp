// GTA3 weapon and item creators: their windows and the pickup lines each list entry writes.
#include <string>
#include <vector>

#include "creators/creator.h"
#include "creators/creator_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/pickups/pickups.h"
#include "forms/runtime.h"

namespace creators::pickups {

namespace {

// Shared geometry of both creators, in twips.
constexpr int kMargin = 120;
constexpr int kBoxHeight = 300;     // a single-line text box
constexpr int kLabelHeight = 225;   // a one-line label
constexpr int kLabelDrop = 45;      // lines a label's text up with the text of its box
constexpr int kBottomHeight = 465;  // room for a caption wrapped over two lines
constexpr int kGenerateHeight = 405;

// The three buttons along the bottom share the width evenly.
BottomRow bottomRow(const Group& g) {
    return {.backToPicker = g.creatorBackToPicker,
            .pickerCaption = "Back To GTA3 Code Pick",
            .backToMain = g.creatorBackToMain,
            .height = kBottomHeight};
}

// The weapon creator: the list down the left, everything else to its right.
Group weaponGroup() {
    constexpr int kWidth = 5865;
    constexpr int kHeight = 3570;
    constexpr int kListWidth = 1800;
    constexpr int kBottomTop = kHeight - kMargin - kBottomHeight;
    constexpr int kRight = kMargin + kListWidth + 150;  // left edge of the right column
    constexpr int kRightWidth = kWidth - kMargin - kRight;
    constexpr int kFrameHeight = 930;
    constexpr int kCaptionWidth = 1380;  // "Amount Of Ammo" is the longer of the two
    constexpr int kBoxLeft = kRight + kCaptionWidth + 75;
    constexpr int kBoxWidth = kWidth - kMargin - kBoxLeft;
    constexpr int kNameTop = kMargin + kFrameHeight + 240;
    constexpr int kAmmoTop = kNameTop + kBoxHeight + 150;
    constexpr int kGenerateTop = kAmmoTop + kBoxHeight + 240;

    Group g;
    g.picker = "frmgta3codepick";
    g.list = "lstgta3weapon";
    g.generate = "cmdgta3weapongeneratecode";
    g.creatorBackToPicker = "cmdbackgta3cp";
    g.creatorBackToMain = "cmdbackgtapick";

    forms::WindowLayout& w = g.creator;
    w.name = "frmgta3weapon";
    w.caption = "Quarnix | GTA3 Weapon Spawn Point Creator";
    w.width = kWidth;
    w.height = kHeight;
    w.controls.push_back(
        forms::listBox(g.list, {}, {kMargin, kMargin, kListWidth, kBottomTop - 2 * kMargin}));
    addCoordinates(w, {.frame = "framegta3coord",
                       .rect = {kRight, kMargin, kRightWidth, kFrameHeight},
                       .x = "txtgta3weaponx",
                       .y = "txtgta3weapony",
                       .z = "txtgta3weaponz",
                       .inset = 150,
                       .boxHeight = kBoxHeight});
    w.controls.push_back(forms::label(
        "lblcodename", "Code Name", {kRight, kNameTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(
        forms::textBox("txtgta3weaponname", {kBoxLeft, kNameTop, kBoxWidth, kBoxHeight}));
    w.controls.push_back(forms::label(
        "lblammo", "Amount Of Ammo", {kRight, kAmmoTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(
        forms::textBox("txtgta3weaponammo", {kBoxLeft, kAmmoTop, kBoxWidth, kBoxHeight}));
    w.controls.push_back(forms::button(g.generate, "Generate My Code",
                                       {kRight, kGenerateTop, kRightWidth, kGenerateHeight}));
    addBottomRow(w, bottomRow(g));

    // Entry 0 makes a plain pickup line and never reads the ammo box; the others make a weapon
    // pickup line with the typed amount of ammunition.
    const PickupBoxes boxes = {"txtgta3weaponname", "txtgta3weaponammo", "txtgta3weaponx",
                               "txtgta3weapony", "txtgta3weaponz"};
    auto pickup = [&](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(boxes, fixedText)};
    };
    auto weaponPickup = [&](const char* caption, const char* fixedText) {
        return Entry{caption, weaponPickupLine(boxes, fixedText)};
    };
    g.entries = {
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

    setResultWindow(g, {.name = "frmgta3weaponcode",
                        .game = "GTA3",
                        .kind = "Weapon",
                        .width = 5595,
                        .height = 2100,
                        .box = "txtgta3weaponfinishedcode",
                        .backToCreator = "cmdbackgta3weapon",
                        .backToPicker = "cmdgta3codepickback",
                        .focus = ResultFocus::BoxFirst});
    return g;
}

// The item creator: a short list beside the "Coordinates" frame, the code-name row and the
// Generate button across the whole width below them.
Group itemGroup() {
    constexpr int kWidth = 5535;
    constexpr int kHeight = 3015;
    constexpr int kInner = kWidth - 2 * kMargin;
    constexpr int kFrameWidth = 2910;
    constexpr int kTopHeight = 1050;  // the list shows its four entries without scrolling
    constexpr int kListWidth = kInner - 150 - kFrameWidth;
    constexpr int kNameTop = kMargin + kTopHeight + 165;
    constexpr int kCaptionWidth = 1080;
    constexpr int kBoxLeft = kMargin + kCaptionWidth + 75;
    constexpr int kGenerateTop = kNameTop + kBoxHeight + 165;

    Group g;
    g.picker = "frmgta3codepick";
    g.list = "lstitem";
    g.generate = "cmdgta3itemgencode";
    g.creatorBackToPicker = "cmdbacktogta3codepick";
    g.creatorBackToMain = "cmdbacktogtapick";

    forms::WindowLayout& w = g.creator;
    w.name = "frmgta3item";
    w.caption = "Quarnix | GTA3 Item Spawn Point Creator";
    w.width = kWidth;
    w.height = kHeight;
    w.controls.push_back(forms::listBox(g.list, {}, {kMargin, kMargin, kListWidth, kTopHeight}));
    addCoordinates(w, {.frame = "framegta3itemcoord",
                       .rect = {kWidth - kMargin - kFrameWidth, kMargin, kFrameWidth, kTopHeight},
                       .x = "txtgta3itemcoordx",
                       .y = "txtgta3itemcoordy",
                       .z = "txtgta3itemcoordz",
                       .inset = 150,
                       .boxHeight = kBoxHeight});
    w.controls.push_back(forms::label(
        "lblcodename", "Code Name", {kMargin, kNameTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(forms::textBox(
        "txtgta3itemcodename", {kBoxLeft, kNameTop, kWidth - kMargin - kBoxLeft, kBoxHeight}));
    w.controls.push_back(forms::button(g.generate, "Generate My Code",
                                       {kMargin, kGenerateTop, kInner, kGenerateHeight}));
    addBottomRow(w, bottomRow(g));

    const PickupBoxes boxes = {"txtgta3itemcodename", "", "txtgta3itemcoordx", "txtgta3itemcoordy",
                               "txtgta3itemcoordz"};
    auto item = [&](const char* caption, const char* fixedText) {
        return Entry{caption, pickupLine(boxes, fixedText)};
    };
    g.entries = {
        item("Adrenaline", " = create_pickup -29 (ADRENALINE) type  14 at  "),
        item("Body Armour", " = create_pickup -24 (BODYARMOUR) type  14 at  "),
        item("Bribe", " = create_pickup -30 (BRIBE) type  14 at  "),
        item("Health", " = create_pickup -28 (HEALTH) type  14 at  "),
    };

    setResultWindow(g, {.name = "frmgta3itemfinished",
                        .game = "GTA3",
                        .kind = "Item",
                        .width = 5595,
                        .height = 2115,
                        .box = "txtgta3itemfinishedcode",
                        .backToCreator = "cmdbackgta3item",
                        .backToPicker = "cmdgta3codepickback",
                        .focus = ResultFocus::ExitFirst});
    return g;
}

}  // namespace

void defineGta3(forms::Forms& forms) {
    defineGroup(forms, weaponGroup());
    defineGroup(forms, itemGroup());
}

}  // namespace creators::pickups
