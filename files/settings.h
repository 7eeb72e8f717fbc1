// The settings file "VorniaGenerator.ini": the board settings plus the
// window's zoom, black and white, size, debug mode and version check.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/board_settings.h"
#include "ini_file.h"
#include "program_version.h"

namespace vornia {

inline constexpr std::string_view SettingsSection = "settings";
inline constexpr std::string_view SettingsFileName = "VorniaGenerator.ini";

// The maker's web server for the version check and the About links. The
// settings file may name another host and port ("versionHost",
// "versionPort"); the program reads those keys and never writes them.
inline constexpr std::string_view DefaultVersionHost = MakerWebHost;
constexpr int DefaultVersionPort = 80;

// The window's language: "" follows the system's, the others are chosen.
inline constexpr std::string_view LanguageKey = "language";
inline constexpr std::array<std::string_view, 4> LanguageCodes{{"", "en", "de", "fr"}};
// The board's labels in the window's language ("1") or as the board holds them.
inline constexpr std::string_view LocalLabelsKey = "localLabels";
// code when it is one of LanguageCodes, "" otherwise.
std::string CleanLanguage(std::string_view code);

struct TAppSettings {
    TBoardSettings Board;
    bool DebugMode = false;
    bool OverrideOS = false; // "overrideOS" is "2000": treat the system as product 7
    std::string SettingsVersion;
    int Zoom = 100;
    int WindowWidth = 700;
    int WindowHeight = 350;
    bool BlackAndWhite = false;
    int AutoVersionCheck = -1; // -1 not yet asked, 0 off, 1 on
    std::string VersionHost = std::string(DefaultVersionHost);
    int VersionPort = DefaultVersionPort;
    // Where and as what the last picture was exported; empty until then.
    std::string ExportFolder;    // an absolute path
    std::string ExportFormat;    // "png", "svg" or "pdf"
    std::string Language;        // one of LanguageCodes
    bool LocalLabels = false;    // the board's labels in the window's language
    bool ShowCornerPips = false; // the corner pips over the board

    friend bool operator==(const TAppSettings&, const TAppSettings&) = default;
};

// Reads every key of section "settings" with its default and validity rule,
// converting files of versions after "0.0" up to "1.5" ("customShape"); the
// fair-board rules, each on only when its key is exactly "1"; the export
// folder (one that no longer exists reads as the current folder) and format
// (anything but "png", "svg" or "pdf" reads as "png"), when present; the
// corner pips, on only when "showCornerPips" is exactly "1"; and the language
// last, then whether the labels are in it.
// settings must hold the start-up defaults; bad values leave them.
void LoadSettings(const TIniFile& ini, TAppSettings& settings);
// Writes the keys the program owns in their order and deletes "customShape",
// then the fair-board rules that are on or already in the file, and the
// export folder and format once there has been an export, the corner pips
// when on or already in the file, and the language and the local labels when
// chosen or already in the file; every other
// key and section stays. Does not touch the disk.
void SaveSettings(TIniFile& ini, const TAppSettings& settings);
// The field takes the key's text when it is an integer from 0 to 500.
void ReadCount(const TIniFile& ini, std::string_view section, std::string_view key, int& field);

// Version texts compare character by character by character code; a text that
// begins another is the smaller.
int CompareVersionText(std::string_view a, std::string_view b);

} // namespace vornia
