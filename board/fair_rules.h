// Fair boards: four optional rules about what may lie side by side and how
// the likely numbers are shared among the resources, applied to a board after
// its layout by rearranging the kinds and numbers of its land; and the balance
// readout that says how a board stands on them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fair/fair_search.h"
#include "translate.h"

namespace vornia {

class TPlateList;
class TRandomSource;

inline constexpr std::string_view FairImpossibleText =
    VORNIA_TR_NOOP("Window", "No arrangement of these pieces meets the fair-board rules.");
inline constexpr std::string_view FairGaveUpText =
    VORNIA_TR_NOOP("Window", "No arrangement meeting the fair-board rules was found; try again or turn a rule off.");

// Each rule with its settings key, its word on the command line and its caption.
struct TFairRuleRow {
    std::string_view Key;
    std::string_view Word;
    std::string_view Caption;
    bool TFairRules::*Field;
};

inline constexpr std::array<TFairRuleRow, 4> FairRuleRows{{
    {"fairNoAdjacentRed", "red", VORNIA_TR_NOOP("Window", "No 6 and 8 side by side"), &TFairRules::NoAdjacentRed},
    {"fairNoAdjacentEqual", "equal", VORNIA_TR_NOOP("Window", "No equal numbers side by side"),
     &TFairRules::NoAdjacentEqual},
    {"fairNoAdjacentResource", "resource", VORNIA_TR_NOOP("Window", "No equal resources side by side"),
     &TFairRules::NoAdjacentResource},
    {"fairBalancedPips", "pips", VORNIA_TR_NOOP("Window", "Balance pips per resource"), &TFairRules::BalancedPips},
}};

// The pips of a number text: those of the whole number it is in digits, 0
// for any other text.
int PipsOfNumberText(std::string_view number);

// A comma list of rule words, "all" or "none"; false (rules untouched) on
// anything else.
bool ParseFairWords(std::string_view list, TFairRules& rules);

// The placed land plates of a board in list order, and for each the others
// one hex step away at the zoom.
struct TLandGraph {
    std::vector<int> Plates;                  // indexes into the plate list
    std::vector<std::vector<int>> Neighbours; // indexes into Plates
};
TLandGraph LandNeighbours(const TPlateList& plates, int zoom);

// The rules on the board as it stands.
bool FairRulesHold(const TPlateList& plates, int zoom, const TFairRules& rules);

// Rearranges the kinds (with their colours) and the numbers of the placed land
// plates so that the rules hold; nothing else of any plate changes. On a
// failure the board is left as it was. keepGoing: see SolveFair.
TFairOutcome ApplyFairRules(TPlateList& plates, int zoom, const TFairRules& rules, TRandomSource& random,
                            TFairEffort* effort = nullptr, const TKeepGoing& keepGoing = {});

// The failure text of an outcome; empty for Found and Stopped.
std::string_view FairFailureText(TFairOutcome outcome);

inline constexpr std::array<std::string_view, ResourceCount> ResourceNames{{"Brick", "Grain", "Lumber", "Ore", "Wool"}};

struct TBalance {
    std::array<long long, ResourceCount> Pips{}; // per resource, the pips of its numbered plates
    long long Red = 0;                           // neighbour pairs both "6" or "8"
    long long Equal = 0;                         // neighbour pairs with the same number
    long long Resource = 0;                      // neighbour pairs of the same resource
    friend bool operator==(const TBalance&, const TBalance&) = default;
};

TBalance ComputeBalance(const TPlateList& plates, int zoom);
// "balance: pips Brick=P Grain=P Lumber=P Ore=P Wool=P; pairs red=R equal=E resource=S"
std::string BalanceLine(const TBalance& balance);

} // namespace vornia
