// The GTA VC weapon and item creators: their game tables, windows and the lines they write.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
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

// Both creators name their boxes alike.
Template lineOf(const Row& row) {
    if (row.line == Line::WeaponPickup) {
        return {fixed("032B: $"), box("txtcodename"), fixed(row.fixedText), box("txtammo"),
                fixed(" at "),    box("txtx"),        fixed(" "),           box("txty"),
                fixed(" "),       box("txtz")};
    }
    return {fixed("0213: $"), box("txtcodename"), fixed(row.fixedText), box("txtx"),
            fixed(" "),       box("txty"),        fixed(" "),           box("txtz")};
}

template <std::size_t N>
std::vector<Entry> entriesOf(const Row (&rows)[N]) {
    std::vector<Entry> entries;
    for (const Row& row : rows) {
        entries.push_back({row.caption, lineOf(row)});
    }
    return entries;
}

// Geometry in twips. A single-line box is 285 high, a one-line label 225; the bottom-row
// buttons leave room for a caption that wraps onto two lines.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kBoxHeight = 285;
constexpr int kLabelHeight = 225;
constexpr int kBottomButtonHeight = 495;

// The "Coordinates" frame: X, Y and Z boxes in one row, each with its label below it.
// Children are placed relative to the frame, below its caption.
std::vector<forms::ControlDecl> coordinatesFrame(forms::Rect rect) {
    constexpr int kInner = 120;
    const int boxWidth = (rect.width - 2 * kInner - 2 * kGap) / 3;
    const int boxTop = 270;
    const int labelTop = boxTop + kBoxHeight + 45;
    auto column = [&](int i) { return kInner + i * (boxWidth + kGap); };
    auto boxAt = [&](const char* name, int i) {
        return forms::inFrame("framecoord",
                              forms::textBox(name, {column(i), boxTop, boxWidth, kBoxHeight}, 7));
    };
    auto labelAt = [&](const char* name, const char* caption, int i) {
        return forms::inFrame(
            "framecoord", forms::label(name, caption, {column(i), labelTop, boxWidth, kLabelHeight},
                                       forms::Align::Center));
    };
    return {
        forms::frame("framecoord", "Coordinates", rect),
        boxAt("txtx", 0),
        boxAt("txty", 1),
        boxAt("txtz", 2),
        labelAt("lblx", "X", 0),
        labelAt("lbly", "Y", 1),
        labelAt("lblz", "Z", 2),
    };
}

// The bottom row, left to right: back to the code picker, back to the main window, Exit.
std::vector<forms::ControlDecl> bottomRow(int windowWidth, int windowHeight) {
    const int room = windowWidth - 2 * kMargin - 2 * kGap;
    // Widths follow the captions, so "Back To GTA VC Code Pick" keeps to one line.
    const int pickerWidth = room * 42 / 100;
    const int mainWidth = room * 34 / 100;
    const int exitWidth = room - pickerWidth - mainWidth;
    const int top = windowHeight - kMargin - kBottomButtonHeight;
    int x = kMargin;
    auto next = [&](int width) {
        forms::Rect r{x, top, width, kBottomButtonHeight};
        x += width + kGap;
        return r;
    };
    const forms::Rect picker = next(pickerWidth);
    const forms::Rect main = next(mainWidth);
    const forms::Rect exit = next(exitWidth);
    return {
        forms::button("cmdbacktovccp", "Back To GTA VC Code Pick", picker),
        forms::button("cmdbacktogtapick", "Back To GTA Pick", main),
        forms::button("cmdexit", "Exit", exit),
    };
}

void append(std::vector<forms::ControlDecl>& to, std::vector<forms::ControlDecl> more) {
    for (auto& c : more) {
        to.push_back(std::move(c));
    }
}

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
    append(layout.controls, coordinatesFrame({kRight, kMargin, kRightWidth, kFrameHeight}));
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
    append(layout.controls, bottomRow(kWidth, kHeight));
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
    append(layout.controls,
           coordinatesFrame({kFrameX, kMargin, kWidth - kMargin - kFrameX, kTopHeight}));
    layout.controls.push_back(forms::textBox(
        "txtcodename", {kFieldX, kCodeNameTop, kWidth - kMargin - kFieldX, kBoxHeight}));
    layout.controls.push_back(
        forms::label("lblcodename", "Code Name",
                     {kMargin, kCodeNameTop + kLabelDrop, kLabelWidth, kLabelHeight}));
    layout.controls.push_back(
        forms::button("cmdgencode", "Generate My Code",
                      {kMargin, kGenerateTop, kInner, kBottomTop - kGap - kGenerateTop}));
    append(layout.controls, bottomRow(kWidth, kHeight));
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
    weapon.result = resultWindowLayout({
        .name = "frmgtavcweaponfinished",
        .caption = "Quarnix | GTA VC Weapon Spawn Point Code",
        .width = 5910,
        .height = 2070,
        .box = "txtfinishedcode",
        .backToCreator = "cmdbackgtavcweapon",
        .creatorCaption = "Back To GTA VC Weapon Spawn Point Creator",
        .backToPicker = "cmdgtavccodepickback",
        .pickerCaption = "Back To GTA VC Code Pick",
        .focus = ResultFocus::ExitFirst,
    });
    weapon.resultBox = "txtfinishedcode";
    weapon.resultBackToCreator = "cmdbackgtavcweapon";
    weapon.resultBackToPicker = "cmdgtavccodepickback";
    defineGroup(forms, std::move(weapon));

    Group item;
    item.picker = "frmgtavccodepick";
    item.creator = itemCreator();
    item.list = "lstgtavcitem";
    item.generate = "cmdgencode";
    item.creatorBackToPicker = "cmdbacktovccp";
    item.creatorBackToMain = "cmdbacktogtapick";
    item.entries = entriesOf(kItems);
    item.result = resultWindowLayout({
        .name = "frmgtavcitemfinished",
        .caption = "Quarnix | GTA VC Item Spawn Point Code",
        .width = 5520,
        .height = 2055,
        .box = "txtgtavcitemfinishedcode",
        .backToCreator = "cmdbackgtavcitem",
        .creatorCaption = "Back To GTA VC Item Spawn Point Creator",
        .backToPicker = "cmdgtavccodepickback",
        .pickerCaption = "Back To GTA VC Code Pick",
        .focus = ResultFocus::BoxFirst,
    });
    item.resultBox = "txtgtavcitemfinishedcode";
    item.resultBackToCreator = "cmdbackgtavcitem";
    item.resultBackToPicker = "cmdgtavccodepickback";
    defineGroup(forms, std::move(item));
}

}  // namespace creators::pickups
