#include "forms/layout.h"

#include <utility>

namespace forms {

const ControlDecl* WindowLayout::find(const std::string& control) const {
    for (const auto& c : controls) {
        if (c.name == control) {
            return &c;
        }
    }
    return nullptr;
}

const MenuDecl* WindowLayout::findMenu(const std::string& menu) const {
    for (const auto& m : menus) {
        if (m.name == menu) {
            return &m;
        }
    }
    return nullptr;
}

const MenuItemDecl* WindowLayout::findMenuItem(const std::string& item) const {
    for (const auto& m : menus) {
        for (const auto& i : m.items) {
            if (i.name == item) {
                return &i;
            }
        }
    }
    return nullptr;
}

bool takesFocus(Kind kind) {
    switch (kind) {
        case Kind::Button:
        case Kind::PictureButton:
        case Kind::TextBox:
        case Kind::ListBox:
            return true;
        case Kind::Label:
        case Kind::Frame:
        case Kind::Image:
            return false;
    }
    return false;
}

ControlDecl button(std::string name, std::string caption, Rect rect) {
    ControlDecl c;
    c.kind = Kind::Button;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

ControlDecl label(std::string name, std::string caption, Rect rect, Align align) {
    ControlDecl c;
    c.kind = Kind::Label;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.rect = rect;
    c.align = align;
    return c;
}

ControlDecl textBox(std::string name, Rect rect, int maxLength) {
    ControlDecl c;
    c.kind = Kind::TextBox;
    c.name = std::move(name);
    c.rect = rect;
    c.maxLength = maxLength;
    return c;
}

ControlDecl listBox(std::string name, std::vector<std::string> items, Rect rect) {
    ControlDecl c;
    c.kind = Kind::ListBox;
    c.name = std::move(name);
    c.items = std::move(items);
    c.rect = rect;
    return c;
}

ControlDecl frame(std::string name, std::string caption, Rect rect) {
    ControlDecl c;
    c.kind = Kind::Frame;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

ControlDecl inFrame(std::string frameName, ControlDecl control) {
    control.parent = std::move(frameName);
    return control;
}

}  // namespace forms
