// A plate is one hex tile of a board: its kind, colours, number, harbour
// trade and its position on the panel.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ascii_text.h"

namespace vornia {

// Colours are 32-bit values with the byte order 00-blue-green-red:
// 0x0000FF is red, 0xFF0000 is blue.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clGreen = 0x008000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clOlive = 0x008080;
constexpr TColor clBlue = 0xFF0000;

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor RgbColor(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The six hex sides, also used as step directions; btNone is "no side".
enum TBorderType : std::uint8_t {
    btNorthWest = 0,
    btNorthEast = 1,
    btEast = 2,
    btSouthEast = 3,
    btSouthWest = 4,
    btWest = 5,
    btNone = 6,
};

// The enumeration name for 0..5, empty text for btNone and anything above.
std::string BorderName(int value);
std::string_view BorderNameView(int value);
// The side whose name equals the text, ASCII letter case ignored; btNone otherwise.
TBorderType BorderFromName(std::string_view text);

struct TResourcePlate {
    TColor Color = 0;
    TBorderType Border = btNorthWest;
    TColor TextColor = 0;
    std::string Number;
    std::string Kind;
    std::string TradeRatio;
    std::string TradeResource;
    bool Placed = false;
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const TResourcePlate&, const TResourcePlate&) = default;
};

// Sets Color and TextColor from Kind; an unknown kind keeps its Color and gets black text.
void SetPlateColors(TResourcePlate& plate);

inline bool IsWaterKind(std::string_view kind) { return SameText(kind, "Water"); }
inline bool IsWater(const TResourcePlate& p) { return IsWaterKind(p.Kind); }
inline bool IsLand(const TResourcePlate& p) { return !IsWater(p); }
inline bool IsHarbour(const TResourcePlate& p) { return IsWater(p) && !p.TradeResource.empty(); }
inline bool IsPlainWater(const TResourcePlate& p) { return IsWater(p) && p.TradeResource.empty(); }
inline bool IsDesert(const TResourcePlate& p) { return SameText(p.Kind, "Desert"); }

} // namespace vornia
