// Window layouts as plain data: every window of the program is one WindowLayout.
// Geometry is in twips (1/15 px at 96 DPI); backends convert.
#pragma once

#include <string>
#include <vector>

namespace forms {

enum class Kind {
    Button,         // command button; long captions wrap over several lines
    PictureButton,  // command button showing a picture, no text
    Label,
    TextBox,  // single- or multi-line edit box
    ListBox,  // single selection
    Frame,    // captioned group box; its children are placed relative to it
    Image,    // picture filling its rectangle
};

enum class Align { Left, Center };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlDecl {
    Kind kind = Kind::Label;
    std::string name;
    std::string caption;  // caption, label text, or a text box's default text (UTF-8)
    Rect rect;            // twips; relative to `parent` when set
    std::string parent;   // name of the enclosing frame, empty for the window itself
    int maxLength = 0;    // text boxes: characters accepted at most, 0 = unlimited
    bool readOnly = false;
    bool multiLine = false;
    Align align = Align::Left;
    std::vector<std::string> items;  // list box entries, in display order
    std::string picture;             // resource name (PictureButton, Image)
    std::string accessibleName;      // for controls without a readable caption
};

struct MenuItemDecl {
    std::string name;
    std::string caption;   // '&' marks the access key; "-" is a separator line
    std::string shortcut;  // e.g. "Ctrl+P"; empty for none
};

struct MenuDecl {
    std::string name;
    std::string caption;
    std::vector<MenuItemDecl> items;
};

struct WindowLayout {
    std::string name;
    std::string caption;
    int width = 0;  // client area in twips, below the menu bar
    int height = 0;
    bool borderless = false;
    std::string icon = "icon";
    std::vector<MenuDecl> menus;
    // Declaration order is the tab order: the first control that can take the focus has it
    // when the window opens.
    std::vector<ControlDecl> controls;

    const ControlDecl* find(const std::string& control) const;
    const MenuDecl* findMenu(const std::string& menu) const;
    const MenuItemDecl* findMenuItem(const std::string& item) const;
};

// Spacing that the program's windows share, in twips.
inline constexpr int kMargin = 120;       // from a window's edges to its controls
inline constexpr int kSpacing = 120;      // between neighbouring controls
inline constexpr int kBoxHeight = 300;    // a single-line text box
inline constexpr int kLabelHeight = 225;  // a one-line label in a creator
inline constexpr int kLabelDrop = 45;     // lowers a label beside a box so that their texts line up
inline constexpr int kLabelToBox = 60;    // from a label to the box beside it
// One line of label text in the information windows and the composer, descenders included.
inline constexpr int kTextLine = 210;

// Controls that can hold the keyboard focus.
bool takesFocus(Kind kind);

// Builders that keep the window declarations short and readable.
ControlDecl button(std::string name, std::string caption, Rect rect);
ControlDecl label(std::string name, std::string caption, Rect rect, Align align = Align::Left);
ControlDecl textBox(std::string name, Rect rect, int maxLength = 0);
ControlDecl listBox(std::string name, std::vector<std::string> items, Rect rect);
ControlDecl frame(std::string name, std::string caption, Rect rect);
ControlDecl inFrame(std::string frameName, ControlDecl control);

}  // namespace forms
