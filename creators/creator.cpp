#include "creators/creator.h"

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "forms/runtime.h"
#include "shell/navigation.h"

namespace creators {

namespace {

// Joins a template left to right, reading only the boxes it names, in its order.
std::string joinTemplate(const forms::Window& creator, const Template& line) {
    std::string text;
    for (const Piece& piece : line) {
        text += piece.isBox ? creator.Text(piece.text) : piece.text;
    }
    return text;
}

// "Generate My Code": shows the result window first, then tests the list index entry by entry,
// writes the matching entry's text into the result box, and unloads the creator on every path.
void cmdgencode_Click(forms::Forms& forms, const Group& group) {
    const std::string& creator = group.creator.window;
    // The result window comes first, before anything is read; a new one has an empty box.
    forms.Show(group.result.name);
    if (group.buildsText) {
        forms::Window& result = forms[group.result.name];
        const int count = static_cast<int>(group.entries.size());
        for (int index = 0; index < count; ++index) {
            if (forms[creator].ListIndex(group.creator.list) == index) {
                result.SetText(group.result.box,
                               joinTemplate(forms[creator],
                                            group.entries[static_cast<std::size_t>(index)].line));
                break;
            }
        }
    }
    // Destroyed, not hidden: a creator reached again starts empty.
    forms.Unload(creator);
}

forms::WindowLayout resultWindowLayout(const Game& game, const ResultWindow& w) {
    using forms::kMargin;
    constexpr int kResultSpacing = 60;   // result windows stand their controls closer
    constexpr int kButtonsHeight = 645;  // three lines of a wrapped caption
    const int boxHeight =
        std::min(1215, w.height - kMargin - kResultSpacing - kButtonsHeight - kResultSpacing);
    // The box stands 120 twips from the left and top edges and 180 from the right one.
    const int inner = w.width - kMargin - 180;
    const int buttonTop = kMargin + boxHeight + kResultSpacing;
    const int buttonHeight = w.height - kResultSpacing - buttonTop;

    // Widths follow the captions' lengths: the back-to-creator caption is by far the longest.
    const int room = inner - 3 * kResultSpacing;
    const int creatorWidth = room * 38 / 100;
    const int pickerWidth = room * 25 / 100;
    const int mainWidth = room * 22 / 100;
    const int exitWidth = room - creatorWidth - pickerWidth - mainWidth;
    int x = kMargin;
    auto next = [&](int width) {
        forms::Rect r{x, buttonTop, width, buttonHeight};
        x += width + kResultSpacing;
        return r;
    };
    forms::ControlDecl box = forms::textBox(w.box, {kMargin, kMargin, inner, boxHeight});
    box.multiLine = true;
    const std::string spawnPoint = game.name + " " + w.kind + " Spawn Point";
    forms::ControlDecl toCreator =
        forms::button(w.backToCreator, "Back To " + spawnPoint + " Creator", next(creatorWidth));
    forms::ControlDecl toPicker =
        forms::button(game.backToPicker, "Back To " + game.name + " Code Pick", next(pickerWidth));
    forms::ControlDecl toMain =
        forms::button("cmdbackgtapick", "Back To GTA Pick", next(mainWidth));
    forms::ControlDecl exit = forms::button("cmdexit", "Exit", next(exitWidth));

    forms::WindowLayout layout;
    layout.name = w.name;
    layout.caption = "Quarnix | " + spawnPoint + " Code";
    layout.width = w.width;
    layout.height = w.height;
    if (w.focus == ResultFocus::BoxFirst) {
        layout.controls = {box, toCreator, toPicker, toMain, exit};
    } else {
        layout.controls = {exit, toMain, toPicker, toCreator, box};
    }
    return layout;
}

}  // namespace

void defineGroup(forms::Forms& forms, Group group) {
    auto shared = std::make_shared<const Group>(std::move(group));
    const CreatorDesc& c = shared->creator;
    const ResultWindow& r = shared->result;

    forms::WindowDef creator;
    creator.layout = shared->design(c);
    auto list =
        std::find_if(creator.layout.controls.begin(), creator.layout.controls.end(),
                     [&](const forms::ControlDecl& control) { return control.name == c.list; });
    if (list == creator.layout.controls.end()) {
        throw std::logic_error(c.window + " has no list " + c.list);
    }
    for (const Entry& entry : shared->entries) {
        list->items.push_back(entry.caption);
    }
    creator.clicks[c.generate] = {[shared](forms::Forms& f) { cmdgencode_Click(f, *shared); },
                                  {c.window, r.name}};
    creator.clicks[c.bottomRow.backToPicker] = shell::navigate(c.window, shared->game.picker);
    creator.clicks[c.bottomRow.backToMain] = shell::navigate(c.window, "frmgtapick");
    creator.clicks["cmdexit"] = shell::exitThroughConfirmation(c.window);
    forms.define(std::move(creator));
    // Each box the lines read, with the first entry that reads it, is checked now, not at the
    // first Generate.
    std::map<std::string, std::string> boxes;
    for (const Entry& entry : shared->entries) {
        for (const Piece& piece : entry.line) {
            if (piece.isBox) {
                boxes.emplace(piece.text, entry.caption);
            }
        }
    }
    for (const auto& [control, caption] : boxes) {
        forms.requireNamed("the line of " + caption, c.window, control);
    }

    forms::WindowDef result;
    result.layout = resultWindowLayout(shared->game, r);
    result.clicks[r.backToCreator] = shell::navigate(r.name, c.window);
    result.clicks[shared->game.backToPicker] = shell::navigate(r.name, shared->game.picker);
    result.clicks["cmdbackgtapick"] = shell::navigate(r.name, "frmgtapick");
    result.clicks["cmdexit"] = shell::exitThroughConfirmation(r.name);
    forms.define(std::move(result));
}

}  // namespace creators
