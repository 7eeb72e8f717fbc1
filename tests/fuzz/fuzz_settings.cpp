// Fuzz target: the settings file as the program reads it at start-up and
// writes it at close.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/board_settings.h"
#include "files/ini_file.h"
#include "files/settings.h"
#include "fuzz_check.h"

namespace {

using namespace vornia;

// What the program may rely on after reading any file.
void CheckValid(const TAppSettings& s)
{
    for (const TCountKey& count : CountKeys) {
        const int value = s.Board.*count.Field;
        FUZZ_CHECK(value >= 0 && value <= MaxPieceCount);
    }
    FUZZ_CHECK(s.Zoom == 50 || s.Zoom == 75 || s.Zoom == 100);
    FUZZ_CHECK(s.WindowWidth >= 10 && s.WindowWidth <= 8200);
    FUZZ_CHECK(s.WindowHeight >= 10 && s.WindowHeight <= 4100);
    FUZZ_CHECK(IsKnownShape(s.Board.Shape));
    FUZZ_CHECK(IsKnownLandMass(s.Board.MassDensity));
    FUZZ_CHECK(!s.VersionHost.empty());
    FUZZ_CHECK(s.VersionPort >= 1 && s.VersionPort <= 65535);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TIniFile ini = TIniFile::FromText(text, "/nonexistent/VorniaGenerator.ini");
    TAppSettings loaded;
    LoadSettings(ini, loaded);
    CheckValid(loaded);

    SaveSettings(ini, loaded);
    const std::string saved = ini.ToText();
    const TIniFile reopened = TIniFile::FromText(saved, ini.Path());
    FUZZ_CHECK(reopened.ReadString(SettingsSection, "version", "") == ProgramVersion);
    FUZZ_CHECK(!reopened.KeyExists(SettingsSection, "customShape"));

    // The next start reads back what was saved; only the version moves on.
    TAppSettings next;
    LoadSettings(reopened, next);
    TAppSettings expected = loaded;
    expected.SettingsVersion = std::string(ProgramVersion);
    FUZZ_CHECK(next == expected);

    // Saving again changes nothing.
    TIniFile again = reopened;
    SaveSettings(again, next);
    FUZZ_CHECK(again.ToText() == saved);
    return 0;
}
