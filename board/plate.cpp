#include "plate.h"

#include <array>

namespace vornia {

namespace {

constexpr std::array<std::string_view, 6> SideNames{
    "btNorthWest", "btNorthEast", "btEast", "btSouthEast", "btSouthWest", "btWest",
};

struct TKindColors {
    std::string_view Kind;
    TColor Color;
    TColor TextColor;
};

constexpr std::array<TKindColors, 7> KindColors{{
    {"Grain", clYellow, clBlack},
    {"Wool", clLime, clBlack},
    {"Lumber", clGreen, clBlack},
    {"Ore", clPurple, clYellow},
    {"Brick", clRed, clBlack},
    {"Desert", clOlive, clBlack},
    {"Water", clBlue, clWhite},
}};

} // namespace

std::string_view BorderNameView(int value)
{
    if (value < 0 || value >= static_cast<int>(SideNames.size()))
        return {};
    return SideNames[static_cast<std::size_t>(value)];
}

std::string BorderName(int value) { return std::string(BorderNameView(value)); }

TBorderType BorderFromName(std::string_view text)
{
    for (std::size_t i = 0; i < SideNames.size(); ++i)
        if (SameText(text, SideNames[i]))
            return static_cast<TBorderType>(i);
    return btNone;
}

void SetPlateColors(TResourcePlate& plate)
{
    plate.TextColor = clBlack;
    for (const auto& kc : KindColors) {
        if (SameText(plate.Kind, kc.Kind)) {
            plate.Color = kc.Color;
            plate.TextColor = kc.TextColor;
            return;
        }
    }
}

} // namespace vornia
