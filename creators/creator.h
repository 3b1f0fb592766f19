// The machinery shared by the nine creator groups (three games times weapon, item, vehicle):
// a creator window with a list and boxes, "Generate My Code", and a result window showing
// the generated script text. Each game supplies its tables and layouts as data.
#pragma once

#include <string>
#include <vector>

#include "forms/runtime.h"

namespace creators {

// One piece of a line template: a fixed text, used exactly as written, or a box whose text
// goes in as typed.
struct Piece {
    bool isBox = false;
    std::string text;  // the fixed text, or the box's control name
};

inline Piece fixed(std::string text) {
    return Piece{false, std::move(text)};
}
inline Piece box(std::string control) {
    return Piece{true, std::move(control)};
}

using Template = std::vector<Piece>;

// A list entry: its caption is display text only; the entry is chosen by its position.
struct Entry {
    std::string caption;
    Template line;
};

struct Group {
    std::string picker;  // the game's code picker

    // The creator. Its list control gets its entries from `entries`.
    forms::WindowLayout creator;
    std::string list;
    std::string generate;
    std::string creatorBackToPicker;
    std::string creatorBackToMain;
    std::vector<Entry> entries;
    bool buildsText = true;  // false: Generate only opens an empty result window

    // The result window.
    forms::WindowLayout result;
    std::string resultBox;
    std::string resultBackToCreator;
    std::string resultBackToPicker;
};

// Joins a template left to right, reading only the boxes it names, in its order.
std::string joinTemplate(const forms::Window& creator, const Template& line);

// "Generate My Code": shows the result window first, then tests the list index entry by entry,
// writes the matching entry's text into the result box, and unloads the creator on every path.
void cmdgencode_Click(forms::Forms& forms, const Group& group);

// Defines the creator and the result window of a group with all their handlers. The exit
// confirmations are defined with the others by the shell.
void defineGroup(forms::Forms& forms, Group group);

// Result windows: one design, a multi-line box across the top and a row of four buttons.
enum class ResultFocus { BoxFirst, ExitFirst };

// The captions follow from the game and the kind of spawn point: "Quarnix | GTA3 Weapon Spawn
// Point Code", "Back To GTA3 Weapon Spawn Point Creator", "Back To GTA3 Code Pick".
struct ResultWindow {
    std::string name;
    std::string game;  // "GTA3", "GTA VC" or "GTA SA"
    std::string kind;  // "Weapon", "Item" or "Vehicle"
    int width = 0;     // client area, twips
    int height = 0;
    std::string box;
    std::string backToCreator;
    std::string backToPicker;
    ResultFocus focus = ResultFocus::BoxFirst;
};

forms::WindowLayout resultWindowLayout(const ResultWindow& window);

// Gives the group its result window and the names of that window's box and buttons.
void setResultWindow(Group& group, const ResultWindow& window);

}  // namespace creators
