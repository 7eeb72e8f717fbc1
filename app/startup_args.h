// The command line of vornia-generator: board files to open after the
// start-up, and whether it was started from its desktop entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornia {

// The desktop entry starts the program with this option, so that it keeps
// its settings with the user's other settings instead of in whatever folder
// the desktop happens to start programs in.
inline constexpr std::string_view DesktopEntryOption = "--from-desktop-entry";
inline constexpr std::string_view SettingsSubfolder = "vornia-generator";

struct TStartupArgs {
    bool FromDesktopEntry = false;
    std::vector<std::string> BoardFiles;     // opened in order, as File/Open would
    std::vector<std::string> UnknownOptions; // ignored
};

// args[0] is the program. An argument after "--" is always a file.
TStartupArgs ParseStartupArgs(const std::vector<std::string>& args);

// The folder of the settings file. From a terminal: empty, the current
// folder. From the desktop entry: $XDG_CONFIG_HOME/vornia-generator, or
// $HOME/.config/vornia-generator when XDG_CONFIG_HOME is unset, empty or not
// an absolute path; the current folder when neither gives one. Null
// environment values count as unset.
std::string SettingsFolderFor(bool fromDesktopEntry, const char* xdgConfigHome, const char* home);

// The user's home folder: home when it is an absolute path, else the one the
// user database names for this user; empty when neither gives one.
std::string HomeFolder(const char* home);

// Creates the folder and the folders above it when missing; false with the
// reason in error (when given) when it cannot.
bool MakeFolder(const std::string& folder, std::string* error = nullptr);

} // namespace vornia
