// The board settings that generation and the options dialog read and write.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "fair/fair_problem.h"
#include "walked_shapes.h"

namespace vornia {

struct TBoardSettings {
    std::string Shape = "traditional";
    std::string MassDensity = "any";
    bool CustomPieceCounts = false;

    int BrickCount = 3;
    int GrainCount = 4;
    int LumberCount = 4;
    int OreCount = 3;
    int WoolCount = 4;
    int DesertCount = 1;
    int WaterCount = 9;
    int WaterBrickCount = 1;
    int WaterGrainCount = 1;
    int WaterLumberCount = 1;
    int WaterOreCount = 1;
    int WaterWoolCount = 1;
    int WaterMarkCount = 4;
    int PieTwoCount = 1;
    int PieThreeCount = 2;
    int PieFourCount = 2;
    int PieFiveCount = 2;
    int PieSixCount = 2;
    int PieSevenCount = 0;
    int PieEightCount = 2;
    int PieNineCount = 2;
    int PieTenCount = 2;
    int PieElevenCount = 2;
    int PieTwelveCount = 1;

    TFairRules Fair;

    const std::string& GetShape() const { return Shape; }
    bool IsTraditionalShape() const;

    friend bool operator==(const TBoardSettings&, const TBoardSettings&) = default;
};

constexpr int MaxPieceCount = 500;

// The 24 counts in settings-file order, with their keys; their defaults are
// the fields' own.
struct TCountKey {
    std::string_view Key;
    int TBoardSettings::*Field;
};

inline constexpr std::array<TCountKey, 24> CountKeys{{
    {"Brick", &TBoardSettings::BrickCount},
    {"Grain", &TBoardSettings::GrainCount},
    {"Lumber", &TBoardSettings::LumberCount},
    {"Ore", &TBoardSettings::OreCount},
    {"Wool", &TBoardSettings::WoolCount},
    {"Desert", &TBoardSettings::DesertCount},
    {"Water", &TBoardSettings::WaterCount},
    {"waterBrick", &TBoardSettings::WaterBrickCount},
    {"waterGrain", &TBoardSettings::WaterGrainCount},
    {"waterLumber", &TBoardSettings::WaterLumberCount},
    {"waterOre", &TBoardSettings::WaterOreCount},
    {"waterWool", &TBoardSettings::WaterWoolCount},
    {"waterMark", &TBoardSettings::WaterMarkCount},
    {"pieTwo", &TBoardSettings::PieTwoCount},
    {"pieThree", &TBoardSettings::PieThreeCount},
    {"pieFour", &TBoardSettings::PieFourCount},
    {"pieFive", &TBoardSettings::PieFiveCount},
    {"pieSix", &TBoardSettings::PieSixCount},
    {"pieSeven", &TBoardSettings::PieSevenCount},
    {"pieEight", &TBoardSettings::PieEightCount},
    {"pieNine", &TBoardSettings::PieNineCount},
    {"pieTen", &TBoardSettings::PieTenCount},
    {"pieEleven", &TBoardSettings::PieElevenCount},
    {"pieTwelve", &TBoardSettings::PieTwelveCount},
}};

// Every one of the 24 counts set to value.
void SetAllCounts(TBoardSettings& settings, int value);

inline constexpr std::array<std::string_view, 4> LandMassNames{{"any", "low", "medium", "high"}};

// Index of the shape in ShapeNames (letter case ignored), or -1.
int ShapeIndex(std::string_view name);
bool IsKnownShape(std::string_view name);
bool IsKnownLandMass(std::string_view name);

// True for a text of decimal digits with an optional sign that fits in 32 bits;
// value receives it.
bool ParseInteger(std::string_view text, int& value);
// SetCountFromText: the field takes the text when it is an integer from 0 to 500.
bool SetCountFromText(int& field, std::string_view text);

} // namespace vornia
