#include "menu_bar_qt.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "board/translate.h"
#include "ui/qstring_qt.h"

namespace vornia {

namespace {

bool IsBoardEntry(const TMenuItem& item)
{
    return !item.Hint.empty() && item.Hint == item.Caption;
}

// A caption as the menu shows it: in the window's language; a board's entry
// shows the board's name.
QString MenuText(const TMenuItem& item)
{
    if (IsBoardEntry(item))
        return ToQString(BoardDisplayName(item.Caption));
    return ToQString(Tr(trc::Menu, item.Caption));
}

} // namespace

TMenuBarMirror::TMenuBarMirror(QMenuBar& bar, TChoose choose) : Bar(bar), Choose(std::move(choose)) {}

void TMenuBarMirror::Mirror(const TMainMenu& menu)
{
    for (const TMenuItem& top : menu.Menus) {
        if (Menus.count(top.Name))
            continue;
        QMenu* added = Bar.addMenu(MenuText(top));
        added->setObjectName(ToQString(top.Name));
        Menus[top.Name] = added;
    }
    Sync(menu.Menus);
}

void TMenuBarMirror::Sync(const std::vector<TMenuItem>& items)
{
    for (const TMenuItem& item : items) {
        if (auto menu = Menus.find(item.Name); menu != Menus.end()) {
            MirrorItems(menu->second, item);
            QAction* menuAction = menu->second->menuAction();
            menuAction->setText(MenuText(item));
            menuAction->setEnabled(item.Enabled);
            menuAction->setVisible(item.Visible);
            Sync(item.Items);
        } else if (auto action = Actions.find(item.Name); action != Actions.end()) {
            MirrorItem(action->second, item);
        }
    }
}

void TMenuBarMirror::MirrorItems(QMenu* menu, const TMenuItem& parent)
{
    for (const TMenuItem& item : parent.Items) {
        if (!item.Items.empty()) {
            if (!Menus.count(item.Name)) {
                QMenu* sub = menu->addMenu(MenuText(item));
                sub->setObjectName(ToQString(item.Name));
                Menus[item.Name] = sub;
            }
            MirrorItems(Menus[item.Name], item);
            continue;
        }
        if (Actions.count(item.Name))
            continue;
        QAction* action = item.IsSeparator() ? menu->addSeparator() : menu->addAction(MenuText(item));
        action->setObjectName(ToQString(item.Name));
        if (!item.ShortCut.empty())
            action->setShortcut(QKeySequence(ToQString(item.ShortCut), QKeySequence::PortableText));
        if (!item.IsSeparator())
            QObject::connect(action, &QAction::triggered, action,
                             [choose = Choose, name = item.Name] { choose(name); });
        Actions[item.Name] = action;
    }
}

void TMenuBarMirror::MirrorItem(QAction* action, const TMenuItem& item) const
{
    const QString text = MenuText(item);
    if (!item.IsSeparator()) {
        // A board's entry shows its name as it is: an "&" in a path is no mnemonic.
        action->setText(IsBoardEntry(item) ? QString(text).replace('&', "&&") : text);
    }
    // Only a checked item shows a check mark; clicking never toggles it by
    // itself, the logic decides.
    action->setCheckable(item.Checked);
    action->setChecked(item.Checked);
    action->setEnabled(item.Enabled);
    action->setVisible(item.Visible);
    const QString hint = IsBoardEntry(item) ? text : ToQString(item.Hint);
    action->setStatusTip(hint);
    action->setToolTip(item.Hint.empty() ? text : hint);
}

QAction* TMenuBarMirror::Action(std::string_view name) const
{
    if (auto action = Actions.find(name); action != Actions.end())
        return action->second;
    if (auto menu = Menus.find(name); menu != Menus.end())
        return menu->second->menuAction();
    return nullptr;
}

QMenu* TMenuBarMirror::Menu(std::string_view name) const
{
    auto menu = Menus.find(name);
    return menu == Menus.end() ? nullptr : menu->second;
}

} // namespace vornia
