// GTA3 weapon and item creators: their windows and the pickup lines each list entry writes.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
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

// The bottom row: back to the picker, back to the main window, Exit, spread over the width.
std::vector<forms::ControlDecl> bottomRow(int windowWidth, int windowHeight,
                                          const std::string& backToPicker,
                                          const std::string& backToMain) {
    const int gap = 120;
    const int width = (windowWidth - 2 * kMargin - 2 * gap) / 3;
    const int top = windowHeight - kMargin - kBottomHeight;
    auto at = [&](int column) {
        return Rect{kMargin + column * (width + gap), top, width, kBottomHeight};
    };
    return {
        forms::button(backToPicker, "Back To GTA3 Code Pick", at(0)),
        forms::button(backToMain, "Back To GTA Pick", at(1)),
        forms::button("cmdexit", "Exit", at(2)),
    };
}

// The "Coordinates" frame: X, Y and Z boxes in a row (at most 7 characters each) with their
// labels centred below them. The frame comes first so that its children can be placed in it.
std::vector<forms::ControlDecl> coordinates(const std::string& frameName, Rect frame,
                                            const std::string& x, const std::string& y,
                                            const std::string& z) {
    constexpr int kInset = 150;
    constexpr int kBoxTop = 270;  // below the frame's caption
    const int width = (frame.width - 4 * kInset) / 3;
    const int labelTop = kBoxTop + kBoxHeight + 45;
    auto column = [&](int index) { return kInset + index * (width + kInset); };

    std::vector<forms::ControlDecl> controls;
    controls.push_back(forms::frame(frameName, "Coordinates", frame));
    const std::string boxes[] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        controls.push_back(forms::inFrame(
            frameName, forms::textBox(boxes[i], {column(i), kBoxTop, width, kBoxHeight}, 7)));
    }
    const std::pair<const char*, const char*> labels[] = {
        {"lblx", "X"}, {"lbly", "Y"}, {"lblz", "Z"}};
    for (int i = 0; i < 3; ++i) {
        controls.push_back(forms::inFrame(
            frameName,
            forms::label(labels[i].first, labels[i].second,
                         {column(i), labelTop, width, kLabelHeight}, forms::Align::Center)));
    }
    return controls;
}

void append(std::vector<forms::ControlDecl>& to, std::vector<forms::ControlDecl> more) {
    for (auto& control : more) {
        to.push_back(std::move(control));
    }
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
    append(w.controls, coordinates("framegta3coord", {kRight, kMargin, kRightWidth, kFrameHeight},
                                   "txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz"));
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
    append(w.controls, bottomRow(kWidth, kHeight, g.creatorBackToPicker, g.creatorBackToMain));

    // Entry 0 makes a plain pickup line and never reads the ammo box; the others make a weapon
    // pickup line with the typed amount of ammunition.
    const Template coords = {box("txtgta3weaponx"), fixed(" "), box("txtgta3weapony"), fixed(" "),
                             box("txtgta3weaponz")};
    auto pickup = [&](const char* caption, const char* fixedText) {
        Template line = {fixed("0213: $"), box("txtgta3weaponname"), fixed(fixedText)};
        line.insert(line.end(), coords.begin(), coords.end());
        return Entry{caption, line};
    };
    auto weaponPickup = [&](const char* caption, const char* fixedText) {
        Template line = {fixed("032B: $"), box("txtgta3weaponname"), fixed(fixedText),
                         box("txtgta3weaponammo"), fixed(" at ")};
        line.insert(line.end(), coords.begin(), coords.end());
        return Entry{caption, line};
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

    g.resultBox = "txtgta3weaponfinishedcode";
    g.resultBackToCreator = "cmdbackgta3weapon";
    g.resultBackToPicker = "cmdgta3codepickback";
    g.result = resultWindowLayout({
        .name = "frmgta3weaponcode",
        .caption = "Quarnix | GTA3 Weapon Spawn Point Code",
        .width = 5595,
        .height = 2100,
        .box = g.resultBox,
        .backToCreator = g.resultBackToCreator,
        .creatorCaption = "Back To GTA3 Weapon Spawn Point Creator",
        .backToPicker = g.resultBackToPicker,
        .pickerCaption = "Back To GTA3 Code Pick",
        .focus = ResultFocus::BoxFirst,
    });
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
    append(w.controls,
           coordinates("framegta3itemcoord",
                       {kWidth - kMargin - kFrameWidth, kMargin, kFrameWidth, kTopHeight},
                       "txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz"));
    w.controls.push_back(forms::label(
        "lblcodename", "Code Name", {kMargin, kNameTop + kLabelDrop, kCaptionWidth, kLabelHeight}));
    w.controls.push_back(forms::textBox(
        "txtgta3itemcodename", {kBoxLeft, kNameTop, kWidth - kMargin - kBoxLeft, kBoxHeight}));
    w.controls.push_back(forms::button(g.generate, "Generate My Code",
                                       {kMargin, kGenerateTop, kInner, kGenerateHeight}));
    append(w.controls, bottomRow(kWidth, kHeight, g.creatorBackToPicker, g.creatorBackToMain));

    auto item = [](const char* caption, const char* fixedText) {
        return Entry{caption,
                     {fixed("0213: $"), box("txtgta3itemcodename"), fixed(fixedText),
                      box("txtgta3itemcoordx"), fixed(" "), box("txtgta3itemcoordy"), fixed(" "),
                      box("txtgta3itemcoordz")}};
    };
    g.entries = {
        item("Adrenaline", " = create_pickup -29 (ADRENALINE) type  14 at  "),
        item("Body Armour", " = create_pickup -24 (BODYARMOUR) type  14 at  "),
        item("Bribe", " = create_pickup -30 (BRIBE) type  14 at  "),
        item("Health", " = create_pickup -28 (HEALTH) type  14 at  "),
    };

    g.resultBox = "txtgta3itemfinishedcode";
    g.resultBackToCreator = "cmdbackgta3item";
    g.resultBackToPicker = "cmdgta3codepickback";
    g.result = resultWindowLayout({
        .name = "frmgta3itemfinished",
        .caption = "Quarnix | GTA3 Item Spawn Point Code",
        .width = 5595,
        .height = 2115,
        .box = g.resultBox,
        .backToCreator = g.resultBackToCreator,
        .creatorCaption = "Back To GTA3 Item Spawn Point Creator",
        .backToPicker = g.resultBackToPicker,
        .pickerCaption = "Back To GTA3 Code Pick",
        .focus = ResultFocus::ExitFirst,
    });
    return g;
}

}  // namespace

void defineGta3(forms::Forms& forms) {
    defineGroup(forms, weaponGroup());
    defineGroup(forms, itemGroup());
}

}  // namespace creators::pickups
