#include "menu_model.h"

#include <stdexcept>

namespace vornia {

namespace {

TMenuItem* FindIn(std::vector<TMenuItem>& items, std::string_view name)
{
    for (TMenuItem& item : items) {
        if (item.Name == name)
            return &item;
        if (TMenuItem* found = FindIn(item.Items, name))
            return found;
    }
    return nullptr;
}

bool PathIn(const std::vector<TMenuItem>& items, std::string_view name, std::vector<const TMenuItem*>& path)
{
    for (const TMenuItem& item : items) {
        if (item.Name == name)
            return true;
        path.push_back(&item);
        if (PathIn(item.Items, name, path))
            return true;
        path.pop_back();
    }
    return false;
}

TMenuItem Command(std::string_view name, std::string caption, std::string shortCut = {})
{
    TMenuItem item;
    item.Name = name;
    item.Caption = std::move(caption);
    item.ShortCut = std::move(shortCut);
    return item;
}

TMenuItem Separator(std::string name)
{
    return Command(name, "-");
}

} // namespace

TMenuItem* TMainMenu::Find(std::string_view name)
{
    return FindIn(Menus, name);
}

const TMenuItem* TMainMenu::Find(std::string_view name) const
{
    return FindIn(const_cast<std::vector<TMenuItem>&>(Menus), name);
}

std::vector<const TMenuItem*> TMainMenu::PathTo(std::string_view name) const
{
    std::vector<const TMenuItem*> path;
    if (!PathIn(Menus, name, path))
        path.clear();
    return path;
}

TMenuItem& TMainMenu::Item(std::string_view name)
{
    TMenuItem* item = Find(name);
    if (!item)
        throw std::logic_error("no menu item " + std::string(name));
    return *item;
}

const TMenuItem& TMainMenu::Item(std::string_view name) const
{
    return const_cast<TMainMenu*>(this)->Item(name);
}

bool TMainMenu::IsReachable(std::string_view name) const
{
    const TMenuItem* item = Find(name);
    if (!item || !item->Visible || !item->Enabled)
        return false;
    for (const TMenuItem* menu : PathTo(name))
        if (!menu->Visible || !menu->Enabled)
            return false;
    return true;
}

TMainMenu BuildMainMenu()
{
    TMenuItem file = Command(mnu::File, "&File");
    file.Items = {
        Command(mnu::MakeNewBoard, "Generate New Board", "F1"),
        Command(mnu::RefreshBoard, "&Refresh Board", "F5"),
        Separator("N4"),
        Command(mnu::SaveAs, "Save &As...", "Ctrl+S"),
        Command(mnu::ExportPicture, "Export Picture...", "Ctrl+E"),
        Command(mnu::Open, "&Open...", "Ctrl+O"),
        Separator("N3"),
        Command(mnu::Print, "&Print", "Ctrl+P"),
        Command(mnu::PrintWholeBoard, "Print Whole Board...", "Ctrl+Shift+P"),
        Separator("N1"),
        Command(mnu::Exit, "E&xit", "F12"),
    };

    TMenuItem zoom = Command(mnu::Zoom, "&Zoom");
    zoom.Items = {
        Command(mnu::Hundred, "100%", "Ctrl+1"),
        Command(mnu::SeventyFive, "75%", "Ctrl+7"),
        Command(mnu::Fifty, "50%", "Ctrl+5"),
    };
    zoom.Items[0].Checked = true;

    TMenuItem options = Command(mnu::Options, "&Options");
    options.Items = {
        Command(mnu::CustomShape, "Shape And Piece Options...", "F2"),
        Separator("N2"),
        Command(mnu::BlackAndWhite, "Draw In Black And White", "F3"),
        std::move(zoom),
        Separator("N6"),
        Command(mnu::AutoVersionCheck, "Auto Check For Newer Version"),
        Separator("N5"),
        Command(mnu::About, "About...", "F10"),
    };

    TMenuItem debug = Command(mnu::Debug, "Debug");
    debug.Visible = false;
    debug.Items = {
        Command(mnu::ToggleMem, "Toggle Mem"),
        Command(mnu::DebugFillMem, "Fill Mem"),
    };

    TMainMenu menu;
    menu.Menus = {std::move(file), std::move(options), std::move(debug)};
    return menu;
}

} // namespace vornia
