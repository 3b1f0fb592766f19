#include "creators/creator_layout.h"

namespace creators {

namespace {

// In twips, as in every window of the program.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kLabelHeight = 225;

}  // namespace

void addCoordinates(forms::WindowLayout& window, const CoordinatesFrame& f) {
    const int boxTop = 270 + f.shift;  // below the frame's caption
    const int labelTop = boxTop + f.boxHeight + 45;
    const int width = (f.rect.width - 4 * f.inset) / 3;
    auto column = [&](int index) { return f.inset + index * (width + f.inset); };

    auto& to = window.controls;
    to.push_back(forms::frame(f.frame, "Coordinates", f.rect));
    const std::string* boxes[] = {&f.x, &f.y, &f.z};
    for (int i = 0; i < 3; ++i) {
        to.push_back(forms::inFrame(
            f.frame, forms::textBox(*boxes[i], {column(i), boxTop, width, f.boxHeight}, 7)));
    }
    const char* const labels[][2] = {{"lblx", "X"}, {"lbly", "Y"}, {"lblz", "Z"}};
    for (int i = 0; i < 3; ++i) {
        to.push_back(forms::inFrame(
            f.frame,
            forms::label(labels[i][0], labels[i][1], {column(i), labelTop, width, kLabelHeight},
                         forms::Align::Center)));
    }
}

void addBottomRow(forms::WindowLayout& window, const BottomRow& row) {
    const int room = window.width - 2 * kMargin - 2 * kGap;
    const int shares = row.pickerShare + row.mainShare + row.exitShare;
    const int pickerWidth = room * row.pickerShare / shares;
    const int mainWidth = room * row.mainShare / shares;
    const int exitWidth = room - pickerWidth - mainWidth;
    const int top = window.height - kMargin - row.height;
    int x = kMargin;
    auto next = [&](int width) {
        forms::Rect r{x, top, width, row.height};
        x += width + kGap;
        return r;
    };
    const forms::Rect picker = next(pickerWidth);
    const forms::Rect main = next(mainWidth);
    const forms::Rect exit = next(exitWidth);
    window.controls.push_back(forms::button(row.backToPicker, row.pickerCaption, picker));
    window.controls.push_back(forms::button(row.backToMain, "Back To GTA Pick", main));
    window.controls.push_back(forms::button("cmdexit", "Exit", exit));
}

}  // namespace creators
