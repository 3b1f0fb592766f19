// The four information windows: fixed texts one below the other and a button that hands the
// main window back. No code reads or writes their texts.
#include <string>
#include <utility>

#include "forms/layout.h"
#include "forms/runtime.h"
#include "info/info.h"
#include "shell/navigation.h"

namespace info {

namespace {

using forms::kMargin;

constexpr int kBetweenTexts = 90;  // from one text of a column to the next
constexpr int kCloseWidth = 2055;
constexpr int kCloseHeight = 375;

// Lays controls out from the top down across the window's width, so that a change to one
// height moves everything below it.
class Column {
public:
    explicit Column(forms::WindowLayout& layout) : layout_(layout), y_(kMargin) {}

    void label(std::string name, std::string text, int lines) {
        add(forms::label(std::move(name), std::move(text), next(lines * forms::kTextLine)));
    }

    void readOnlyBox(std::string name, std::string text, int height) {
        forms::ControlDecl box = forms::textBox(std::move(name), next(height));
        box.caption = std::move(text);
        box.multiLine = true;
        box.readOnly = true;
        add(std::move(box));
    }

    // The close button sits centred at the bottom edge, whatever space is left above it.
    void closeButton(std::string name, forms::Handler onClick, forms::WindowDef& def) {
        const int top = layout_.height - kMargin - kCloseHeight;
        add(forms::button(name, "Close This Window",
                          {(layout_.width - kCloseWidth) / 2, top, kCloseWidth, kCloseHeight}));
        def.clicks[std::move(name)] = std::move(onClick);
    }

    void space(int twips) { y_ += twips; }

private:
    forms::Rect next(int height) {
        forms::Rect r{kMargin, y_, layout_.width - 2 * kMargin, height};
        y_ += height + kBetweenTexts;
        return r;
    }
    void add(forms::ControlDecl control) { layout_.controls.push_back(std::move(control)); }

    forms::WindowLayout& layout_;
    int y_;
};

forms::WindowDef window(const char* name, const char* caption, int width, int height) {
    forms::WindowDef def;
    def.layout.name = name;
    def.layout.caption = caption;
    def.layout.width = width;
    def.layout.height = height;
    return def;
}

forms::WindowDef aboutProgram() {
    forms::WindowDef def = window("frmaboutprogram", "Quarnix | About Program", 4695, 2415);
    Column c(def.layout);
    c.label("lblaboutprogram", "About Quarnix", 1);
    c.label("lblaboutprogramabout",
            "Quarnix is a free tool to help people with generating main.scm code. I created it "
            "purely for this purpose.",
            2);
    // "responible" is how the program has always spelt it.
    c.label("lblreliability",
            "I cannot be held responible for any damage caused to your computer or the files "
            "stored within it. I did not create this program for that purpose.",
            3);
    c.closeButton("cmdclosethiswindow", shell::closeDialog("frmgtapick", "frmaboutprogram"), def);
    return def;
}

forms::WindowDef aboutVersion() {
    forms::WindowDef def = window("frmaboutversion", "Quarnix | About Version", 4695, 4455);
    Column c(def.layout);
    c.label("lblaboutversion", "About Version 0.1", 1);
    c.label("lblaboutversionabout",
            "Version 0.1 is the first version of Quarnix. It contains the following features:", 2);
    // Every line ends in CR LF, the last one too; the box is high enough for all nine lines
    // and the empty one after them, as it has no scroll bar.
    c.readOnlyBox("txtaboutversionfeatures",
                  "GTA 3 Weapon Spawn Point Creating\r\n"
                  "GTA 3 Melee Weapon Spawn Point Creating\r\n"
                  "GTA 3 Item Spawn Point Creating\r\n"
                  "GTA VC Weapon Spawn Point Creating\r\n"
                  "GTA VC Melee Weapon Spawn Point Creating\r\n"
                  "GTA VC Item Spawn Point Creating\r\n"
                  "GTA SA Weapon Spawn Point Creating\r\n"
                  "GTA SA Melee Weapon Spawn Point Creating\r\n"
                  "GTA SA Item Spawn Point Creating\r\n",
                  2070);
    c.space(60);
    c.label("lblbugsfixed", "Bugs Fixed:", 1);
    c.readOnlyBox("txtbugsfixed", "No Bugs Reported Yet.\r\n", 330);
    c.closeButton("cmdclosewindow", shell::closeDialog("frmgtapick", "frmaboutversion"), def);
    return def;
}

forms::WindowDef aboutCopyright() {
    forms::WindowDef def = window("frmaboutcopyright", "Quarnix | About Copyright", 4695, 3990);
    Column c(def.layout);
    c.label("lblaboutcopyright", "About Copyright", 1);
    c.label("lblaboutcopyrightabout",
            "Quarnix was written by me, Vorlak, and I keep all rights in it. You may use the "
            "program, but you may not edit, sell or distribute it.",
            3);
    c.label("lblwebsites",
            "The Web Sites I have given permission to host are listed under the Web Sites menu "
            "bar. If you find this on a site that is not on that list then please contact me "
            "with the site URL and a download URL. I will then check it out and contact the "
            "site administrator.",
            6);
    c.label("lblcopyright", "Copyright \u00A9 2005 Vorlak. All rights reserved.", 1);
    c.closeButton("cmdclosewindow", shell::closeDialog("frmgtapick", "frmaboutcopyright"), def);
    return def;
}

forms::WindowDef thanks() {
    forms::WindowDef def = window("frmthanks", "Quarnix | Thanks", 4665, 3855);
    Column c(def.layout);
    c.label("lblthanks", "Thanks", 1);
    // "develpoment" is how the program has always spelt it.
    c.label("lblthanks1",
            "I would like to thank several people for helping me throughout the develpoment of "
            "this program.",
            2);
    c.space(60);
    c.label("lblthanks2",
            "Marek Dunholt, for the graphics and for his support throughout the development.", 2);
    c.label("lblthanks3",
            "Ilse Varrow, for the delay of the splash screen and for the e-mail message code.", 2);
    c.label("lblthanks4", "Tobin Achterberg, for his help with the e-mail message code.", 2);
    c.label("lblthanks5", "The Harbour Street Modding Crew, for all of their support.", 2);
    c.closeButton("cmdclosewindow", shell::closeDialog("frmgtapick", "frmthanks"), def);
    return def;
}

}  // namespace

void defineInformationWindows(forms::Forms& forms) {
    forms.define(aboutProgram());
    forms.define(aboutVersion());
    forms.define(aboutCopyright());
    forms.define(thanks());
}

}  // namespace info
