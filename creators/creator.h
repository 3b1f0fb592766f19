// The machinery shared by the nine creator groups (three games times weapon, item, vehicle):
// a creator window with a list and boxes, "Generate My Code", and a result window showing
// the generated script text. Each game supplies its tables and layouts as data.
#pragma once

#include <string>
#include <vector>

#include "creators/creator_layout.h"
#include "forms/layout.h"

namespace forms {
class Forms;
}

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

// A game's code picker and the names its windows give the game and the picker.
struct Game {
    std::string name;          // "GTA3", "GTA VC" or "GTA SA", as captions write it
    std::string picker;        // the game's code picker
    std::string backToPicker;  // the result windows' button back to it
};

// Result windows: one design, a multi-line box across the top and a row of four buttons.
enum class ResultFocus { BoxFirst, ExitFirst };

// The captions follow from the game and the kind of spawn point: "Quarnix | GTA3 Weapon Spawn
// Point Code", "Back To GTA3 Weapon Spawn Point Creator", "Back To GTA3 Code Pick".
struct ResultWindow {
    std::string name;
    std::string kind;  // "Weapon", "Item" or "Vehicle"
    int width = 0;     // client area, twips
    int height = 0;
    std::string box;
    std::string backToCreator;
    ResultFocus focus = ResultFocus::BoxFirst;
};

struct Group {
    Game game;
    CreatorDesc creator;
    forms::WindowLayout (*design)(const CreatorDesc&);  // lays the creator out
    std::vector<Entry> entries;                         // its list's, in display order
    ResultWindow result;
    bool buildsText = true;  // false: Generate only opens an empty result window
};

// Defines the creator and the result window of a group with all their handlers, and checks
// that every box the entries' lines read is on the creator. The exit confirmations are
// defined with the others by the shell.
void defineGroup(forms::Forms& forms, Group group);

}  // namespace creators
