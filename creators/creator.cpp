#include "creators/creator.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>

#include "shell/navigation.h"

namespace creators {

std::string joinTemplate(const forms::Window& creator, const Template& line) {
    std::string text;
    for (const Piece& piece : line) {
        text += piece.isBox ? creator.Text(piece.text) : piece.text;
    }
    return text;
}

void cmdgencode_Click(forms::Forms& forms, const Group& group) {
    const std::string& creator = group.creator.name;
    // The result window comes first, before anything is read; a new one has an empty box.
    forms.Show(group.result.name);
    if (group.buildsText) {
        forms::Window& result = forms[group.result.name];
        const int count = static_cast<int>(group.entries.size());
        for (int index = 0; index < count; ++index) {
            if (forms[creator].ListIndex(group.list) == index) {
                result.SetText(group.resultBox,
                               joinTemplate(forms[creator],
                                            group.entries[static_cast<std::size_t>(index)].line));
                break;
            }
        }
    }
    // Destroyed, not hidden: a creator reached again starts empty.
    forms.Unload(creator);
}

void defineGroup(forms::Forms& forms, Group group) {
    auto shared = std::make_shared<const Group>(std::move(group));
    const Group& g = *shared;

    forms::WindowDef creator;
    creator.layout = g.creator;
    auto list = std::find_if(creator.layout.controls.begin(), creator.layout.controls.end(),
                             [&](const forms::ControlDecl& c) { return c.name == g.list; });
    if (list == creator.layout.controls.end()) {
        throw std::logic_error(g.creator.name + " has no list " + g.list);
    }
    list->items.clear();
    for (const Entry& entry : g.entries) {
        list->items.push_back(entry.caption);
    }
    creator.clicks[g.generate] = [shared](forms::Forms& f) { cmdgencode_Click(f, *shared); };
    creator.clicks[g.creatorBackToPicker] = shell::navigate(g.creator.name, g.picker);
    creator.clicks[g.creatorBackToMain] = shell::navigate(g.creator.name, "frmgtapick");
    creator.clicks["cmdexit"] = shell::exitThroughConfirmation(g.creator.name);
    forms.define(std::move(creator));

    forms::WindowDef result;
    result.layout = g.result;
    result.clicks[g.resultBackToCreator] = shell::navigate(g.result.name, g.creator.name);
    result.clicks[g.resultBackToPicker] = shell::navigate(g.result.name, g.picker);
    result.clicks["cmdbackgtapick"] = shell::navigate(g.result.name, "frmgtapick");
    result.clicks["cmdexit"] = shell::exitThroughConfirmation(g.result.name);
    forms.define(std::move(result));
}

forms::WindowLayout resultWindowLayout(const ResultWindow& w) {
    constexpr int kMargin = 120;
    constexpr int kGap = 60;
    constexpr int kButtonsHeight = 645;  // three lines of a wrapped caption
    const int boxHeight = std::min(1215, w.height - kMargin - kGap - kButtonsHeight - kGap);
    // The box stands 120 twips from the left and top edges and 180 from the right one.
    const int inner = w.width - kMargin - 180;
    const int buttonTop = kMargin + boxHeight + kGap;
    const int buttonHeight = w.height - kGap - buttonTop;

    // Widths follow the captions' lengths: the back-to-creator caption is by far the longest.
    const int room = inner - 3 * kGap;
    const int creatorWidth = room * 38 / 100;
    const int pickerWidth = room * 25 / 100;
    const int mainWidth = room * 22 / 100;
    const int exitWidth = room - creatorWidth - pickerWidth - mainWidth;
    int x = kMargin;
    auto next = [&](int width) {
        forms::Rect r{x, buttonTop, width, buttonHeight};
        x += width + kGap;
        return r;
    };

    forms::ControlDecl box = forms::textBox(w.box, {kMargin, kMargin, inner, boxHeight});
    box.multiLine = true;
    const std::string spawnPoint = w.game + " " + w.kind + " Spawn Point";
    forms::ControlDecl toCreator =
        forms::button(w.backToCreator, "Back To " + spawnPoint + " Creator", next(creatorWidth));
    forms::ControlDecl toPicker =
        forms::button(w.backToPicker, "Back To " + w.game + " Code Pick", next(pickerWidth));
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

void setResultWindow(Group& group, const ResultWindow& window) {
    group.result = resultWindowLayout(window);
    group.resultBox = window.box;
    group.resultBackToCreator = window.backToCreator;
    group.resultBackToPicker = window.backToPicker;
}

}  // namespace creators
