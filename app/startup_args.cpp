#include "startup_args.h"

#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace vornia {

namespace {

namespace fs = std::filesystem;

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

} // namespace

TStartupArgs ParseStartupArgs(const std::vector<std::string>& args)
{
    TStartupArgs result;
    bool onlyFiles = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-")
            result.BoardFiles.push_back(arg);
        else if (arg == "--")
            onlyFiles = true;
        else if (arg == DesktopEntryOption)
            result.FromDesktopEntry = true;
        else
            result.UnknownOptions.push_back(arg);
    }
    return result;
}

std::string SettingsFolderFor(bool fromDesktopEntry, const char* xdgConfigHome, const char* home)
{
    if (!fromDesktopEntry)
        return {};
    fs::path config;
    if (IsAbsolute(xdgConfigHome))
        config = xdgConfigHome;
    else if (IsAbsolute(home))
        config = fs::path(home) / ".config";
    else
        return {};
    return (config / SettingsSubfolder).string();
}

std::string HomeFolder(const char* home)
{
    if (IsAbsolute(home))
        return home;
    const passwd* user = getpwuid(getuid());
    return user != nullptr && IsAbsolute(user->pw_dir) ? user->pw_dir : "";
}

bool MakeFolder(const std::string& folder, std::string* error)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && fs::is_directory(folder, ec))
        return true;
    if (error)
        *error = ec ? ec.message() : "not a folder";
    return false;
}

} // namespace vornia
