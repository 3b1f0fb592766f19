#include "creators/creator_layout.h"

namespace creators {

forms::WindowLayout emptyWindow(const CreatorDesc& desc) {
    forms::WindowLayout w;
    w.name = desc.window;
    w.caption = desc.caption;
    w.width = desc.width;
    w.height = desc.height;
    return w;
}

void addCoordinates(forms::WindowLayout& window, const CreatorDesc& desc, forms::Rect rect,
                    int inset, int shift) {
    const int boxTop = 270 + shift;  // below the frame's caption
    const int labelTop = boxTop + forms::kBoxHeight + 45;
    const int width = (rect.width - 4 * inset) / 3;
    auto column = [&](int index) { return inset + index * (width + inset); };

    auto& to = window.controls;
    to.push_back(forms::frame(desc.frame, "Coordinates", rect));
    const std::string* boxes[] = {&desc.boxes.x, &desc.boxes.y, &desc.boxes.z};
    for (int i = 0; i < 3; ++i) {
        to.push_back(forms::inFrame(
            desc.frame,
            forms::textBox(*boxes[i], {column(i), boxTop, width, forms::kBoxHeight}, 7)));
    }
    const char* const labels[][2] = {{"lblx", "X"}, {"lbly", "Y"}, {"lblz", "Z"}};
    for (int i = 0; i < 3; ++i) {
        to.push_back(forms::inFrame(
            desc.frame,
            forms::label(labels[i][0], labels[i][1],
                         {column(i), labelTop, width, forms::kLabelHeight}, forms::Align::Center)));
    }
}

void addBottomRow(forms::WindowLayout& window, const BottomRow& row) {
    using forms::kMargin, forms::kSpacing;
    const int room = window.width - 2 * kMargin - 2 * kSpacing;
    const int shares = row.pickerShare + row.mainShare + row.exitShare;
    const int pickerWidth = room * row.pickerShare / shares;
    const int mainWidth = room * row.mainShare / shares;
    const int exitWidth = room - pickerWidth - mainWidth;
    const int top = window.height - kMargin - row.height;
    int x = kMargin;
    auto next = [&](int width) {
        forms::Rect r{x, top, width, row.height};
        x += width + kSpacing;
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
