#include "forms/qt/menu_bar.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>

#include "forms/qt/program_font.h"
#include "forms/qt/text.h"

namespace forms::qt {

MenuBar buildMenuBar(QWidget* window, const std::vector<MenuDecl>& menus, int width,
                     const std::function<void(const std::string& item)>& chosen) {
    MenuBar built;
    if (menus.empty()) {
        return built;
    }
    auto* bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    for (const auto& m : menus) {
        QMenu* menu = bar->addMenu(qs(m.caption));
        holdProgramFont(menu);  // a window of its own when it opens
        menu->setObjectName(qs(m.name));
        built.menus[m.name] = menu;
        for (const auto& item : m.items) {
            QAction* action = nullptr;
            if (item.caption == "-") {
                action = menu->addSeparator();
            } else {
                action = menu->addAction(qs(item.caption));
                if (!item.shortcut.empty()) {
                    action->setShortcut(QKeySequence(qs(item.shortcut)));
                }
                // An item whose menu title is greyed does nothing, as the menu itself cannot
                // be opened then. Qt already drops such an item's shortcut, but not a press
                // through the accessibility interface.
                QPointer<QMenu> owner(menu);
                const std::string itemName = item.name;
                QObject::connect(action, &QAction::triggered, window, [chosen, itemName, owner] {
                    if (owner && owner->menuAction()->isEnabled()) {
                        chosen(itemName);
                    }
                });
            }
            action->setObjectName(qs(item.name));
            built.actions[item.name] = action;
        }
    }
    built.height = bar->sizeHint().height();
    bar->setGeometry(0, 0, width, built.height);
    return built;
}

}  // namespace forms::qt
