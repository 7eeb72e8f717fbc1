// The board settings that generation and the options dialog read and write.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "fair/fair_problem.h"
#include "piece_sets.h"
#include "walked_shapes.h"

namespace vornia {

struct TBoardSettings {
    std::string Shape = "traditional";
    std::string MassDensity = "any";
    bool CustomPieceCounts = false;

    // The counts in settings-file order, from the set for three or four players.
    int BrickCount = DefaultPieceCounts[0];
    int GrainCount = DefaultPieceCounts[1];
    int LumberCount = DefaultPieceCounts[2];
    int OreCount = DefaultPieceCounts[3];
    int WoolCount = DefaultPieceCounts[4];
    int DesertCount = DefaultPieceCounts[5];
    int WaterCount = DefaultPieceCounts[6];
    int WaterBrickCount = DefaultPieceCounts[7];
    int WaterGrainCount = DefaultPieceCounts[8];
    int WaterLumberCount = DefaultPieceCounts[9];
    int WaterOreCount = DefaultPieceCounts[10];
    int WaterWoolCount = DefaultPieceCounts[11];
    int WaterMarkCount = DefaultPieceCounts[12];
    int PieTwoCount = DefaultPieceCounts[13];
    int PieThreeCount = DefaultPieceCounts[14];
    int PieFourCount = DefaultPieceCounts[15];
    int PieFiveCount = DefaultPieceCounts[16];
    int PieSixCount = DefaultPieceCounts[17];
    int PieSevenCount = DefaultPieceCounts[18];
    int PieEightCount = DefaultPieceCounts[19];
    int PieNineCount = DefaultPieceCounts[20];
    int PieTenCount = DefaultPieceCounts[21];
    int PieElevenCount = DefaultPieceCounts[22];
    int PieTwelveCount = DefaultPieceCounts[23];

    TFairRules Fair;

    const std::string& GetShape() const { return Shape; }
    // The shape is a fixed island ("traditional", "large traditional"): it
    // is always made of its own pieces, whatever the counts say.
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

inline constexpr std::array<TCountKey, PieceCountCount> CountKeys{{
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
// The 24 counts set to those of a piece set.
void SetPieceCounts(TBoardSettings& settings, const TPieceCounts& counts);

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
