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

// The 24 counts in settings-file order, with their keys and defaults.
struct TCountKey {
    std::string_view Key;
    int TBoardSettings::*Field;
    int Default;
};

inline constexpr std::array<TCountKey, 24> CountKeys{{
    {"Brick", &TBoardSettings::BrickCount, 3},
    {"Grain", &TBoardSettings::GrainCount, 4},
    {"Lumber", &TBoardSettings::LumberCount, 4},
    {"Ore", &TBoardSettings::OreCount, 3},
    {"Wool", &TBoardSettings::WoolCount, 4},
    {"Desert", &TBoardSettings::DesertCount, 1},
    {"Water", &TBoardSettings::WaterCount, 9},
    {"waterBrick", &TBoardSettings::WaterBrickCount, 1},
    {"waterGrain", &TBoardSettings::WaterGrainCount, 1},
    {"waterLumber", &TBoardSettings::WaterLumberCount, 1},
    {"waterOre", &TBoardSettings::WaterOreCount, 1},
    {"waterWool", &TBoardSettings::WaterWoolCount, 1},
    {"waterMark", &TBoardSettings::WaterMarkCount, 4},
    {"pieTwo", &TBoardSettings::PieTwoCount, 1},
    {"pieThree", &TBoardSettings::PieThreeCount, 2},
    {"pieFour", &TBoardSettings::PieFourCount, 2},
    {"pieFive", &TBoardSettings::PieFiveCount, 2},
    {"pieSix", &TBoardSettings::PieSixCount, 2},
    {"pieSeven", &TBoardSettings::PieSevenCount, 0},
    {"pieEight", &TBoardSettings::PieEightCount, 2},
    {"pieNine", &TBoardSettings::PieNineCount, 2},
    {"pieTen", &TBoardSettings::PieTenCount, 2},
    {"pieEleven", &TBoardSettings::PieElevenCount, 2},
    {"pieTwelve", &TBoardSettings::PieTwelveCount, 1},
}};

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
