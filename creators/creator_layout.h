// Layout pieces every creator window is built from, whatever the game: the "Coordinates"
// frame and the row of buttons along the bottom. The window designs built on them are in
// creators/pickups/pickup_layout.h and creators/vehicles/vehicle_layout.h.
#pragma once

#include <string>

#include "forms/layout.h"

namespace creators {

// X, Y and Z boxes in a row (at most 7 characters each) with the labels "X", "Y" and "Z"
// centred below them. The games space and size the boxes differently.
struct CoordinatesFrame {
    std::string frame = "framecoord";
    forms::Rect rect{};
    std::string x = "txtx";
    std::string y = "txty";
    std::string z = "txtz";
    int inset = 0;      // from the frame's sides to the outer boxes, and between the boxes
    int boxHeight = 0;  // a single-line text box
    int shift = 0;      // moves both rows down from just below the frame's caption
};

// The frame comes first so that its children can be placed in it.
void addCoordinates(forms::WindowLayout& window, const CoordinatesFrame& frame);

// The bottom row, left to right: back to the code picker, back to the main window, Exit.
struct BottomRow {
    std::string backToPicker;
    std::string pickerCaption;
    std::string backToMain = "cmdbacktogtapick";
    int height = 0;
    // The buttons share the width in these proportions; Exit takes what rounding leaves over.
    int pickerShare = 1;
    int mainShare = 1;
    int exitShare = 1;
};

// Placed from the window's width and height, which must be set first.
void addBottomRow(forms::WindowLayout& window, const BottomRow& row);

}  // namespace creators
