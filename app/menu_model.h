// The main menu as plain data: the window logic changes it, the Qt shell
// mirrors it into its menu bar.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornia {

struct TMenuItem {
    std::string Name;     // component name, unique in the menu: "mnuSaveAs", "N4", "mnuBoard1"
    std::string Caption;  // "&" marks the mnemonic; "-" is a separator line
    std::string Hint;
    std::string ShortCut; // portable key text: "F1", "Ctrl+S"; empty for none
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    std::vector<TMenuItem> Items; // a submenu when not empty (or a top-level menu)

    bool IsSeparator() const { return Caption == "-"; }
};

class TMainMenu {
public:
    std::vector<TMenuItem> Menus; // the menu bar, left to right

    // The item of that name at any depth; nullptr when there is none.
    // Pointers stay valid until items are added to the same list.
    TMenuItem* Find(std::string_view name);
    const TMenuItem* Find(std::string_view name) const;
    // The menus that hold the item, outermost first (empty when absent or top-level).
    std::vector<const TMenuItem*> PathTo(std::string_view name) const;
    TMenuItem& Item(std::string_view name);
    const TMenuItem& Item(std::string_view name) const;
    // True when the item and every menu above it are visible and enabled.
    bool IsReachable(std::string_view name) const;
};

// Names of the fixed items.
namespace mnu {
inline constexpr std::string_view File = "mnuFile";
inline constexpr std::string_view Options = "mnuOptions";
inline constexpr std::string_view Debug = "mnuDebug";
inline constexpr std::string_view MakeNewBoard = "mnuMakeNewBoard";
inline constexpr std::string_view RefreshBoard = "mnuRefreshBoard";
inline constexpr std::string_view SaveAs = "mnuSaveAs";
inline constexpr std::string_view ExportPicture = "mnuExportPicture";
inline constexpr std::string_view Open = "mnuOpen";
inline constexpr std::string_view Print = "mnuPrint";
inline constexpr std::string_view PrintWholeBoard = "mnuPrintWholeBoard";
inline constexpr std::string_view Exit = "mnuExit";
inline constexpr std::string_view CustomShape = "mnuCustomShape";
inline constexpr std::string_view BlackAndWhite = "mnuBlackAndWhite";
inline constexpr std::string_view CornerPips = "mnuCornerPips";
inline constexpr std::string_view Zoom = "mnuZoom";
inline constexpr std::string_view Hundred = "mnuHundred";
inline constexpr std::string_view SeventyFive = "mnuSeventyFive";
inline constexpr std::string_view Fifty = "mnuFifty";
inline constexpr std::string_view Language = "mnuLanguage";
inline constexpr std::string_view LanguageSystem = "mnuLanguageSystem";
inline constexpr std::string_view LanguageEnglish = "mnuLanguageEnglish";
inline constexpr std::string_view LanguageGerman = "mnuLanguageGerman";
inline constexpr std::string_view LanguageFrench = "mnuLanguageFrench";
inline constexpr std::string_view LocalLabels = "mnuLocalLabels";
inline constexpr std::string_view AutoVersionCheck = "mnuAutoVersionCheck";
inline constexpr std::string_view About = "mnuAbout";
inline constexpr std::string_view ToggleMem = "mnuToggleMem";
inline constexpr std::string_view DebugFillMem = "mnuDebugFillMem";
} // namespace mnu

// The window's menu bar as it is created: "&File", "&Options" and the hidden
// "Debug" menu, with every fixed item, caption and shortcut; "100%" and the
// system's language checked. Captions are English; the window translates
// them as it shows them.
TMainMenu BuildMainMenu();

} // namespace vornia
