// A window's menu bar, built from its declared menus.
#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/layout.h"

namespace forms::qt {

struct MenuBar {
    std::map<std::string, QMenu*> menus;      // by the menu's name
    std::map<std::string, QAction*> actions;  // by the item's name
    int height = 0;                           // 0: the window has no menus
};

// Puts a menu bar `width` pixels wide across the top of `window`; an item that is chosen is
// reported to `chosen` with its name.
MenuBar buildMenuBar(QWidget* window, const std::vector<MenuDecl>& menus, int width,
                     const std::function<void(const std::string& item)>& chosen);

}  // namespace forms::qt
