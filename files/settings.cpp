#include "settings.h"

#include <filesystem>
#include <system_error>

#include "board/ascii_text.h"
#include "board/fair_rules.h"
#include "board/geometry.h"

namespace vornia {

namespace {

constexpr int MinWindowWidth = 10;
constexpr int MaxWindowWidth = 8200;
constexpr int MinWindowHeight = 10;
constexpr int MaxWindowHeight = 4100;
constexpr int MaxPort = 65535;
constexpr std::string_view ExportFolderKey = "exportFolder";
constexpr std::string_view ExportFormatKey = "exportFormat";
constexpr std::string_view CornerPipsKey = "showCornerPips";

// Files written by versions after this one up to and including the last
// one below keep the shape choice in "customShape".
constexpr std::string_view FirstVersionWithoutConversion = "0.0";
constexpr std::string_view LastVersionWithCustomShape = "1.5";

// The integer value of the key when it lies in min..max, else fallback.
int ReadIntegerIn(const TIniFile& ini, std::string_view key, std::string_view defaultText, int min, int max,
                  int fallback)
{
    int value = 0;
    if (ParseInteger(ini.ReadString(SettingsSection, key, defaultText), value) && value >= min && value <= max)
        return value;
    return fallback;
}

const char* FlagText(bool flag)
{
    return flag ? "1" : "0";
}

} // namespace

void LoadSettings(const TIniFile& ini, TAppSettings& settings)
{
    auto read = [&ini](std::string_view key, std::string_view defaultText) {
        return ini.ReadString(SettingsSection, key, defaultText);
    };
    TBoardSettings& board = settings.Board;

    settings.DebugMode = read("debug", "0") != "0";
    if (read("overrideOS", "0") == "2000")
        settings.OverrideOS = true;
    settings.SettingsVersion = read("version", "0.0");
    board.CustomPieceCounts = read("customPieceCounts", "0") == "1";

    std::string massDensity = read("massDensity", "any");
    board.MassDensity = IsKnownLandMass(massDensity) ? std::move(massDensity) : std::string("any");

    std::string shape = read("shape", "traditional");
    board.Shape = IsKnownShape(shape) ? std::move(shape) : std::string("random");

    if (CompareVersionText(settings.SettingsVersion, FirstVersionWithoutConversion) > 0 &&
        CompareVersionText(settings.SettingsVersion, LastVersionWithCustomShape) <= 0)
        board.Shape = read("customShape", "0") == "1" ? "random" : "traditional";

    int zoom = 0;
    settings.Zoom = ParseInteger(read("zoomSize", "100"), zoom) ? CleanZoom(zoom) : 100;

    settings.WindowWidth = ReadIntegerIn(ini, "windowWidth", "700", MinWindowWidth, MaxWindowWidth, 700);
    settings.WindowHeight = ReadIntegerIn(ini, "windowHeight", "350", MinWindowHeight, MaxWindowHeight, 350);
    settings.BlackAndWhite = read("blackAndWhite", "0") == "1";

    int autoCheck = 0;
    settings.AutoVersionCheck = ParseInteger(read("autoVersionCheck", "-1"), autoCheck) ? autoCheck : -1;

    for (const TCountKey& count : CountKeys)
        ReadCount(ini, SettingsSection, count.Key, board.*count.Field);

    std::string host = read("versionHost", "");
    settings.VersionHost = host.empty() ? std::string(DefaultVersionHost) : std::move(host);
    settings.VersionPort = ReadIntegerIn(ini, "versionPort", "", 1, MaxPort, DefaultVersionPort);

    for (const TFairRuleRow& rule : FairRuleRows)
        board.Fair.*rule.Field = read(rule.Key, "0") == "1";

    if (ini.KeyExists(SettingsSection, ExportFolderKey)) {
        const std::string folder = read(ExportFolderKey, "");
        std::error_code error;
        const bool exists = !folder.empty() && std::filesystem::is_directory(folder, error);
        settings.ExportFolder = exists ? folder : std::filesystem::current_path(error).string();
    }
    if (ini.KeyExists(SettingsSection, ExportFormatKey)) {
        const std::string format = LowerAscii(read(ExportFormatKey, ""));
        const bool known = format == "png" || format == "svg" || format == "pdf";
        settings.ExportFormat = known ? format : "png";
    }
    settings.ShowCornerPips = read(CornerPipsKey, "0") == "1";
    settings.Language = CleanLanguage(read(LanguageKey, ""));
    settings.LocalLabels = read(LocalLabelsKey, "0") == "1";
}

std::string CleanLanguage(std::string_view code)
{
    for (std::string_view known : LanguageCodes)
        if (code == known)
            return std::string(code);
    return {};
}

void SaveSettings(TIniFile& ini, const TAppSettings& settings)
{
    auto write = [&ini](std::string_view key, std::string_view value) {
        ini.WriteString(SettingsSection, key, value);
    };
    const TBoardSettings& board = settings.Board;

    write("version", ProgramVersion);
    write("shape", board.Shape);
    write("customPieceCounts", FlagText(board.CustomPieceCounts));
    write("blackAndWhite", FlagText(settings.BlackAndWhite));
    write("zoomSize", std::to_string(CleanZoom(settings.Zoom)));
    write("massDensity", board.MassDensity);
    for (const TCountKey& count : CountKeys)
        write(count.Key, std::to_string(board.*count.Field));
    write("windowWidth", std::to_string(settings.WindowWidth));
    write("windowHeight", std::to_string(settings.WindowHeight));
    write("autoVersionCheck", std::to_string(settings.AutoVersionCheck));
    ini.DeleteKey(SettingsSection, "customShape");
    // A rule that was never turned on leaves no key behind: the file stays as
    // it would be without the rules.
    for (const TFairRuleRow& rule : FairRuleRows)
        if (board.Fair.*rule.Field || ini.KeyExists(SettingsSection, rule.Key))
            write(rule.Key, FlagText(board.Fair.*rule.Field));
    if (!settings.ExportFolder.empty())
        write(ExportFolderKey, settings.ExportFolder);
    if (!settings.ExportFormat.empty())
        write(ExportFormatKey, settings.ExportFormat);
    if (settings.ShowCornerPips || ini.KeyExists(SettingsSection, CornerPipsKey))
        write(CornerPipsKey, FlagText(settings.ShowCornerPips));
    // The same for the language: the system's leaves no key.
    if (!settings.Language.empty() || ini.KeyExists(SettingsSection, LanguageKey))
        write(LanguageKey, settings.Language);
    if (settings.LocalLabels || ini.KeyExists(SettingsSection, LocalLabelsKey))
        write(LocalLabelsKey, FlagText(settings.LocalLabels));
}

void ReadCount(const TIniFile& ini, std::string_view section, std::string_view key, int& field)
{
    SetCountFromText(field, ini.ReadString(section, key, "-1"));
}

int CompareVersionText(std::string_view a, std::string_view b)
{
    // char_traits<char> compares by unsigned character code; a text that
    // begins another is the smaller.
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace vornia
