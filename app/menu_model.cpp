#include "menu_model.h"

#include <stdexcept>

#include "board/catalogue_table.h"
#include "board/translate.h"
#include "catalogue_languages.h"

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

std::string LanguageItem(std::string_view code)
{
    if (code.empty())
        return std::string(mnu::LanguageSystem);
    if (code == "en")
        return std::string(mnu::LanguageEnglish);
    return std::string(mnu::Language) + "_" + std::string(code);
}

TMainMenu BuildMainMenu()
{
    TMenuItem file = Command(mnu::File, VORNIA_TR_NOOP("Menu", "&File"));
    file.Items = {
        Command(mnu::MakeNewBoard, VORNIA_TR_NOOP("Menu", "Generate New Board"), "F1"),
        Command(mnu::RefreshBoard, VORNIA_TR_NOOP("Menu", "&Refresh Board"), "F5"),
        Separator("N4"),
        Command(mnu::SaveAs, VORNIA_TR_NOOP("Menu", "Save &As..."), "Ctrl+S"),
        Command(mnu::ExportPicture, VORNIA_TR_NOOP("Menu", "Export Picture..."), "Ctrl+E"),
        Command(mnu::Open, VORNIA_TR_NOOP("Menu", "&Open..."), "Ctrl+O"),
        Separator("N3"),
        Command(mnu::Print, VORNIA_TR_NOOP("Menu", "&Print"), "Ctrl+P"),
        Command(mnu::PrintWholeBoard, VORNIA_TR_NOOP("Menu", "Print Whole Board..."), "Ctrl+Shift+P"),
        Separator("N1"),
        Command(mnu::Exit, VORNIA_TR_NOOP("Menu", "E&xit"), "F12"),
    };

    TMenuItem zoom = Command(mnu::Zoom, VORNIA_TR_NOOP("Menu", "&Zoom"));
    zoom.Items = {
        Command(mnu::Hundred, "100%", "Ctrl+1"),
        Command(mnu::SeventyFive, "75%", "Ctrl+7"),
        Command(mnu::Fifty, "50%", "Ctrl+5"),
    };
    zoom.Items[0].Checked = true;

    // The languages are named in their own; "System" follows the desktop's.
    // A catalogue names its language by its translation of "English" in the
    // context Language (never shown translated: the menu's context is Menu).
    TMenuItem language = Command(mnu::Language, VORNIA_TR_NOOP("Menu", "&Language"));
    language.Items = {
        Command(mnu::LanguageSystem, VORNIA_TR_NOOP("Menu", "System")),
        Command(mnu::LanguageEnglish, std::string(EnglishLanguageName)),
    };
    for (const TCatalogueLanguage& catalogue : CatalogueLanguages)
        language.Items.push_back(Command(LanguageItem(catalogue.Code), std::string(catalogue.Name)));
    language.Items[0].Checked = true;

    TMenuItem options = Command(mnu::Options, VORNIA_TR_NOOP("Menu", "&Options"));
    options.Items = {
        Command(mnu::CustomShape, VORNIA_TR_NOOP("Menu", "Shape And Piece Options..."), "F2"),
        Separator("N2"),
        Command(mnu::BlackAndWhite, VORNIA_TR_NOOP("Menu", "Draw In Black And White"), "F3"),
        Command(mnu::CornerPips, VORNIA_TR_NOOP("Menu", "Show Corner Pips"), "Ctrl+K"),
        std::move(zoom),
        std::move(language),
        Command(mnu::LocalLabels, VORNIA_TR_NOOP("Menu", "Labels In My Language")),
        Separator("N6"),
        Command(mnu::AutoVersionCheck, VORNIA_TR_NOOP("Menu", "Auto Check For Newer Version")),
        Separator("N5"),
        Command(mnu::About, VORNIA_TR_NOOP("Menu", "About..."), "F10"),
    };

    TMenuItem debug = Command(mnu::Debug, VORNIA_TR_NOOP("Menu", "Debug"));
    debug.Visible = false;
    debug.Items = {
        Command(mnu::ToggleMem, VORNIA_TR_NOOP("Menu", "Toggle Mem")),
        Command(mnu::DebugFillMem, VORNIA_TR_NOOP("Menu", "Fill Mem")),
    };

    TMainMenu menu;
    menu.Menus = {std::move(file), std::move(options), std::move(debug)};
    return menu;
}

} // namespace vornia
