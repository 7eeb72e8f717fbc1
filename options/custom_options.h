// The rules of the Shape And Piece Options dialog, apart from its window:
// reading counts typed by the player, the two totals, which controls follow
// the chosen shape, the dice check, and moving the board settings in and out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "board/board_settings.h"
#include "board/translate.h"

namespace vornia {

// The dialog's 24 count edits, in the order of CountKeys: six land, seven
// water, eleven dice. Settings are stored back in this order.
constexpr int CountEditCount = static_cast<int>(CountKeys.size());
constexpr int FirstLandCount = 0;  // Brick, Grain, Lumber, Ore, Wool, Desert
constexpr int LandCountCount = 6;
constexpr int FirstWaterCount = 6; // plain, 2:1 Brick .. 2:1 Wool, 3:1
constexpr int WaterCountCount = 7;
constexpr int FirstDiceCount = 13; // Two .. Twelve
constexpr int DiceCountCount = 11;
constexpr int DesertCountIndex = 5;

using TCountTexts = std::array<std::string, CountEditCount>;

// The count edits' captions, in the order of CountKeys; '&' marks the
// window's shortcut letter.
inline constexpr std::array<const char*, CountEditCount> CountCaptions{{
    VORNIA_TR_NOOP("TfrmCustomOptions", "&Brick:"),    VORNIA_TR_NOOP("TfrmCustomOptions", "Grain:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Lumber:"),    VORNIA_TR_NOOP("TfrmCustomOptions", "Ore:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Wool:"),      VORNIA_TR_NOOP("TfrmCustomOptions", "Desert:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "&Plain:"),    VORNIA_TR_NOOP("TfrmCustomOptions", "2:1 Brick:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "2:1 Grain:"), VORNIA_TR_NOOP("TfrmCustomOptions", "2:1 Lumber:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "2:1 Ore:"),   VORNIA_TR_NOOP("TfrmCustomOptions", "2:1 Wool:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "3:1 ?:"),     VORNIA_TR_NOOP("TfrmCustomOptions", "&Two:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Three:"),     VORNIA_TR_NOOP("TfrmCustomOptions", "Four:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Five:"),      VORNIA_TR_NOOP("TfrmCustomOptions", "Six:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Seven:"),     VORNIA_TR_NOOP("TfrmCustomOptions", "Eight:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Nine:"),      VORNIA_TR_NOOP("TfrmCustomOptions", "Ten:"),
    VORNIA_TR_NOOP("TfrmCustomOptions", "Eleven:"),    VORNIA_TR_NOOP("TfrmCustomOptions", "Twelve:"),
}};

// Everything the dialog shows of the settings, as its controls hold it.
struct TOptionsValues {
    std::string Shape;    // the selected shape's entry; empty when none
    std::string LandMass; // the selected land mass's entry; empty when none
    bool CustomPieceCounts = false;
    TCountTexts Counts;   // the count edits' texts as typed
    TFairRules Fair;      // the check boxes of "Fair Board"

    friend bool operator==(const TOptionsValues&, const TOptionsValues&) = default;
};

// A typed count for the totals: empty, not an integer or negative gives 0;
// there is no upper limit.
int CountFromText(std::string_view text);
// What a land or dice edit shows once it is left: the decimal text of
// CountFromText ("abc" and "-3" become "0", "007" becomes "7").
std::string NormalisedCountText(std::string_view text);

// A count OK takes: a whole number from 0 to MaxPieceCount, as
// SetCountFromText takes it.
bool CountTextAccepted(std::string_view text);

// Brick to Wool; the desert is not counted ("Total - Desert =").
long long LandTotal(const TCountTexts& counts);
// Two to Twelve, Seven included.
long long DiceTotal(const TCountTexts& counts);

// Land and water counts are used, and so editable, only by "random" and
// "cross" (letter case ignored); the dice counts always are.
bool LandAndWaterEditable(std::string_view shape);
// The land mass matters only to "random".
bool LandMassShown(std::string_view shape);
// The caption over the example picture: the shape followed by " example:",
// or empty for a text that is none of the shapes. The picture's number is
// ShapeIndex(shape).
std::string ShapeExampleCaption(std::string_view shape);

// The dialog's groups of counts, each a run of CountKeys: its caption, its
// total and the total's caption (none for the water), and whether a shape
// uses its counts.
struct TCountGroup {
    const char* Caption;
    int First;
    int Count;
    const char* TotalCaption;               // nullptr: no total
    long long (*Total)(const TCountTexts&); // nullptr: no total
    bool (*Editable)(std::string_view shape);
};
inline constexpr std::array<TCountGroup, 3> CountGroups{{
    {VORNIA_TR_NOOP("TfrmCustomOptions", "Land"), FirstLandCount, LandCountCount,
     VORNIA_TR_NOOP("TfrmCustomOptions", "Total - Desert ="), LandTotal, LandAndWaterEditable},
    {VORNIA_TR_NOOP("TfrmCustomOptions", "Water"), FirstWaterCount, WaterCountCount, nullptr, nullptr,
     LandAndWaterEditable},
    {VORNIA_TR_NOOP("TfrmCustomOptions", "Dice Tiles"), FirstDiceCount, DiceCountCount,
     VORNIA_TR_NOOP("TfrmCustomOptions", "Total ="), DiceTotal, [](std::string_view) { return true; }},
}};

// Land tiles the dice must cover: a fixed island's land but the desert (18
// for "traditional", 28 for "large traditional"), the land total otherwise.
long long DiceNeeded(std::string_view shape, long long landTotal);
// The question to ask before accepting fewer dice than needed, or nothing
// when there are enough.
std::optional<std::string> DiceShortageQuestion(std::string_view shape, long long landTotal,
                                                long long diceTotal);

// The count edits' texts for a piece set (the buttons "3–4 Players" and
// "5–6 Players").
TCountTexts PieceSetTexts(const TPieceSet& set);

// The settings as the dialog is filled with them.
TOptionsValues OptionsFromSettings(const TBoardSettings& settings);
// Stores what the dialog holds on OK: the custom-count flag, the land mass,
// the shape, then every count through SetCountFromText in CountKeys order (a
// text that is not an integer from 0 to 500 leaves its setting), then the
// fair-board rules. A list with no entry selected leaves its setting too.
void StoreOptions(const TOptionsValues& values, TBoardSettings& settings);

} // namespace vornia
