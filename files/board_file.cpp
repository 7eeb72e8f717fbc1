#include "board_file.h"

#include <algorithm>
#include <unordered_map>

#include "board/ascii_text.h"
#include "board/board_settings.h"
#include "board/geometry.h"

namespace vornia {

namespace {

constexpr std::string_view BoardSection = "settings";
constexpr std::string_view BoardEra = "hexlanders";

// A "plateCount" may exceed the plate keys present: every missing key gives
// an empty plate at 0, 0. Such plates are read for at most this many counts
// beyond the lines of the section, so that a damaged count cannot make the
// reader build billions of plates.
constexpr std::int64_t MaxPlatesBeyondLines = 10'000;

std::string PlateKey(std::int64_t index)
{
    return "plate[" + std::to_string(index) + "]";
}

// The keys of one section by lower-case name, first line winning as in
// TIniFile::ReadString, so that a board of thousands of plates is read in
// time proportional to its size.
class TSectionKeys {
public:
    explicit TSectionKeys(const TIniFile::TSection* section)
    {
        if (section == nullptr)
            return;
        Values.reserve(section->Lines.size());
        for (const std::string& line : section->Lines) {
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos)
                continue;
            std::string key = LowerAscii(std::string_view(line).substr(0, equals));
            BoardKeys = BoardKeys || key == "platecount" || key.starts_with("plate[");
            Values.try_emplace(std::move(key), std::string_view(line).substr(equals + 1));
        }
    }

    // A "plateCount" or "plate[...]" key is among them.
    bool HasBoardKeys() const { return BoardKeys; }

    std::string_view Read(std::string_view key, std::string_view defaultText) const
    {
        const auto found = Values.find(LowerAscii(key));
        return found == Values.end() ? defaultText : found->second;
    }

private:
    std::unordered_map<std::string, std::string_view> Values;
    bool BoardKeys = false;
};

const TIniFile::TSection* FindBoardSection(const TIniFile& ini)
{
    for (const TIniFile::TSection& section : ini.Sections())
        if (SameText(section.Name, BoardSection))
            return &section;
    return nullptr;
}

} // namespace

std::string PlateValue(const TResourcePlate& plate)
{
    std::string value;
    for (const std::string& field : {plate.Kind, std::to_string(plate.X), std::to_string(plate.Y), plate.Number,
                                     plate.TradeResource, plate.TradeRatio, BorderName(plate.Border)})
        value.append(field).append(";");
    return value;
}

void WriteBoard(TIniFile& ini, const TPlateList& plates, int zoom)
{
    // The section is built as text and read once: a WriteString per key
    // would search every line before it, and a board of a million plates
    // would take hours to save. The keys are new and distinct, so the
    // content is the same.
    std::string text;
    text.append("[").append(BoardSection).append("]\r\n");
    int written = 0;
    for (const TPlateEntry& entry : plates.All()) {
        if (!entry.Plate.Placed)
            continue;
        text.append(PlateKey(written)).append("=").append(PlateValue(entry.Plate)).append("\r\n");
        ++written;
    }
    std::string path = ini.Path();
    ini = TIniFile::FromText(text, std::move(path));
    ini.WriteString(BoardSection, "plateCount", std::to_string(written));
    ini.WriteString(BoardSection, "zoomSize", std::to_string(CleanZoom(zoom)));
    ini.WriteString(BoardSection, "era", BoardEra);
}

TBoardFileContent ReadBoard(const TIniFile& ini)
{
    const TIniFile::TSection* section = FindBoardSection(ini);
    const TSectionKeys keys(section);

    TBoardFileContent content;
    content.HoldsBoard = keys.HasBoardKeys();
    int zoom = 0;
    if (ParseInteger(keys.Read("zoomSize", "100"), zoom))
        content.Zoom = CleanZoom(zoom);

    int count = 0;
    if (!ParseInteger(keys.Read("plateCount", "0"), count) || count < 0)
        count = 0;
    const std::int64_t lines = section == nullptr ? 0 : static_cast<std::int64_t>(section->Lines.size());
    const int plateCount = static_cast<int>(std::min<std::int64_t>(count, lines + MaxPlatesBeyondLines));

    content.Plates = std::make_unique<TPlateList>();
    content.Plates->Reserve(plateCount);
    for (int i = 0; i < plateCount; ++i) {
        std::string_view rest = keys.Read(PlateKey(i), "");
        TResourcePlate plate;
        NextTextField(rest, plate.Kind);
        NextIntField(rest, plate.X);
        NextIntField(rest, plate.Y);
        NextTextField(rest, plate.Number);
        NextTextField(rest, plate.TradeResource);
        NextTextField(rest, plate.TradeRatio);
        NextSideField(rest, plate.Border);
        plate.Placed = true;
        SetPlateColors(plate);
        std::string text = plate.Kind;
        content.Plates->Add(std::move(text), std::move(plate));
    }
    return content;
}

void NextTextField(std::string_view& rest, std::string& field)
{
    const std::size_t end = rest.find(';');
    if (end == std::string_view::npos)
        return;
    field.assign(rest.substr(0, end));
    rest.remove_prefix(end + 1);
}

void NextIntField(std::string_view& rest, std::int32_t& field)
{
    const std::size_t end = rest.find(';');
    if (end == std::string_view::npos)
        return;
    int value = 0;
    if (ParseInteger(rest.substr(0, end), value))
        field = value;
    rest.remove_prefix(end + 1);
}

void NextSideField(std::string_view& rest, TBorderType& field)
{
    std::string name;
    NextTextField(rest, name);
    field = BorderFromName(name);
}

} // namespace vornia
