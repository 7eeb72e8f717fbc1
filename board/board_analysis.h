// What a board is worth to its players: the pips at every corner where a
// settlement may stand, the best corners to start on, how the pips are shared
// among the resources, and a score from 0 to 100 for how fair it is.
//
//     const TBoardAnalysis a = AnalyseBoard(panel.Plates(), panel.Zoom());
//     a.Corners[a.BestCorners[0]].Pips  // the pips of the best starting corner
//     a.Score                           // 100 is as fair as a board gets
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fair_rules.h"
#include "plate_list.h"
#include "translate.h"

namespace vornia {

// A vertex of a placed land plate's hex.
struct TCorner {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    int Pips = 0; // the sum over the producing plates that have the corner as a vertex
    // The distinct kinds of those plates: the five resources in their order,
    // then any other kind a file may hold.
    std::vector<std::string> Resources;
    // The first harbour (in list order) whose facing side ends here, as "3:1"
    // or "2:1 Ore"; empty for none.
    std::string Harbour;
    std::vector<int> Neighbours; // corners one hex side away, as indexes into Corners
    // Of the three hex sides that meet here, the upright one runs down from
    // the corner (the upper-left, upper-right and bottom vertices of a hex);
    // otherwise it runs up.
    bool UprightSideBelow = false;
};

struct TResourceRow {
    std::string_view Name;
    int Plates = 0;   // placed plates of the kind
    int Numbered = 0; // of those, the producing ones
    long long Pips = 0;
    double PipShare = 0;    // of the pips of all five resources
    double NumberShare = 0; // of the numbered plates of all five resources
};

// The three parts the score loses, in points; Score = 100 minus their sum,
// rounded and kept from 0 to 100.
struct TScoreParts {
    double Corners = 0;   // spread of the eight best starting corners
    double Resources = 0; // the most one resource's pips exceed its share
    double Pairs = 0;     // red and equal pairs of producing neighbours
};

inline constexpr int MaxBestCorners = 12;
// The best starting corners whose spread the score weighs: two for each of four players.
inline constexpr int ScoredBestCorners = 8;

struct TBoardAnalysis {
    std::vector<TCorner> Corners; // by y, then x
    std::vector<int> BestCorners; // indexes into Corners, best first, at most MaxBestCorners
    std::array<TResourceRow, ResourceCount> Resources{};
    TBalance Balance;            // the red and equal pairs the score weighs, as the balance line counts them
    long long NumberedPairs = 0; // neighbour pairs of land plates that both produce
    TScoreParts Lost;
    int Score = 100;
};

// A plate produces when it is land other than the desert and its Number is a
// whole number from 2 to 12 in digits; its pips are 6 - |7 - n|.
bool Produces(const TResourcePlate& plate);

// The analysis of the placed plates at the zoom they are laid out on.
TBoardAnalysis AnalyseBoard(const TPlateList& plates, int zoom);

// The summary a player reads beside the board (the window's tooltip and the
// page's status line), in the language in force: "Score: 74 of 100" and
// "Best corners: 13, 12, 12, 11 pips"; the second is empty when no corner has a pip.
inline constexpr std::string_view ScoreTemplate = VORNIA_TR_NOOP("Window", "Score: %1 of 100");
inline constexpr std::string_view BestCornersTemplate = VORNIA_TR_NOOP("Window", "Best corners: %1 pips");
std::vector<std::string> AnalysisSummary(const TBoardAnalysis& analysis);

} // namespace vornia
