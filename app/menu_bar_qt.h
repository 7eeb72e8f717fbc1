// The menu bar on Qt: mirrors the window's plain menu (TMainMenu) into the
// menus and actions of a QMenuBar and reports a chosen item by its name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "menu_model.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vornia {

class TMenuBarMirror {
public:
    // Called with the item's name when the player chooses it (click or
    // shortcut).
    using TChoose = std::function<void(std::string_view name)>;

    // bar is kept, not owned; the menus and actions made go to it.
    TMenuBarMirror(QMenuBar& bar, TChoose choose);

    // Makes the menus and actions the bar does not have yet, appending them
    // in the order of the items (the board entries arrive this way), then
    // gives every one its item's caption, check mark, state and hint.
    void Mirror(const TMainMenu& menu);

    // The action of a menu item, or the action of a menu, by item name;
    // nullptr when there is none.
    QAction* Action(std::string_view name) const;
    QMenu* Menu(std::string_view name) const;

private:
    void MirrorItems(QMenu* menu, const TMenuItem& parent);
    void MirrorItem(QAction* action, const TMenuItem& item) const;
    void Sync(const std::vector<TMenuItem>& items);

    QMenuBar& Bar;
    TChoose Choose;
    std::map<std::string, QAction*, std::less<>> Actions;
    std::map<std::string, QMenu*, std::less<>> Menus;
};

} // namespace vornia
