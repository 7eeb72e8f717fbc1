#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "board/board_analysis.h"
#include "board/geometry.h"
#include "board_test_support.h"

namespace vornia {
namespace {

constexpr THexMetrics M = MetricsAtZoom(100);
constexpr int A = M.HalfWidth, B = M.SideLength, C = M.PeakHeight, R = M.RowPitch();

// A board drawn in text: line r is the row at y = r * R; a cell whose text
// starts at character 4 * k stands at x = k * A. "Or6" is Ore with a 6,
// "De" the desert, "De9" a desert carrying a 9, "Gr6+Or5" two plates on one
// position; "~~" plain water; "h3SE" a 3:1 harbour facing south-east,
// "hOrW" a 2:1 Ore harbour facing west, "h3-" one facing no side.
void DrawBoard(const std::vector<std::string>& rows, TPlateList& plates)
{
    static const std::pair<const char*, const char*> Kinds[] = {{"Br", "Brick"}, {"Gr", "Grain"}, {"Lu", "Lumber"},
                                                                {"Or", "Ore"},   {"Wo", "Wool"},  {"De", "Desert"}};
    static const std::pair<const char*, TBorderType> Sides[] = {
        {"NW", btNorthWest}, {"NE", btNorthEast}, {"SE", btSouthEast}, {"SW", btSouthWest},
        {"E", btEast},       {"W", btWest},       {"-", btNone}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t at = rows[r].find_first_not_of(' '); at != std::string::npos;
             at = rows[r].find_first_not_of(' ', at)) {
            const std::size_t end = std::min(rows[r].find(' ', at), rows[r].size());
            const std::string cell = rows[r].substr(at, end - at);
            const auto x = static_cast<std::int32_t>(at / 4 * A), y = static_cast<std::int32_t>(r * R);
            std::stringstream pieces(cell);
            for (std::string piece; std::getline(pieces, piece, '+');) {
                TResourcePlate p;
                if (piece[0] == '~' || piece[0] == 'h') {
                    p.Kind = "Water";
                    if (piece[0] == 'h') {
                        const bool any = piece[1] == '3';
                        std::string rest = piece.substr(any ? 2 : 3);
                        p.TradeRatio = any ? "3:1" : "2:1";
                        for (const auto& [code, kind] : Kinds)
                            if (!any && piece.compare(1, 2, code) == 0)
                                p.TradeResource = kind;
                        if (any)
                            p.TradeResource = "    ?";
                        for (const auto& [code, side] : Sides)
                            if (rest == code)
                                p.Border = side;
                    }
                } else {
                    for (const auto& [code, kind] : Kinds)
                        if (piece.compare(0, 2, code) == 0)
                            p.Kind = kind;
                    p.Number = piece.substr(2);
                }
                SetPlateColors(p);
                p.Placed = true;
                p.X = x;
                p.Y = y;
                plates.Add(p.Kind, p);
            }
            at = end;
        }
    }
}

TBoardAnalysis AnalyseDrawn(const std::vector<std::string>& rows)
{
    TPlateList plates;
    DrawBoard(rows, plates);
    return AnalyseBoard(plates, 100);
}

struct TExpectedCorner {
    TPoint At;
    int Pips;
    std::vector<std::string> Resources;
    std::string Harbour;
};

struct TAnalysisRow {
    const char* name;
    std::vector<std::string> board;
    int corners;
    std::vector<TExpectedCorner> some; // corners checked in full
    std::vector<TPoint> best;          // the best starting corners in order
};

const TCorner* CornerAt(const TBoardAnalysis& a, TPoint p)
{
    for (const TCorner& c : a.Corners)
        if (c.X == p.x && c.Y == p.y)
            return &c;
    return nullptr;
}

TEST(BoardAnalysis, CornersPipsHarboursAndBestCornersOfDrawnBoards)
{
    const TAnalysisRow rows[] = {
        {"best corner with a harbour",
         {"            h3SE", "        Or6     Gr8     Wo5"},
         14,
         {{{4 * A, R}, 10, {"Grain", "Ore"}, "3:1"},
          {{5 * A, B}, 5, {"Grain"}, "3:1"},
          {{4 * A, R + B}, 10, {"Grain", "Ore"}, ""},
          {{6 * A, R}, 9, {"Grain", "Wool"}, ""}},
         {{4 * A, R}, {6 * A, R}, {2 * A, R}, {3 * A, 2 * R}, {5 * A, 2 * R}, {8 * A, R}, {7 * A, 2 * R}}},
        {"a desert, a 7 and a numbered desert",
         {"De      Gr7     De9"},
         14,
         {{{2 * A, 0}, 6, {"Grain"}, ""}, {{4 * A, B}, 6, {"Grain"}, ""}, {{0, 0}, 0, {}, ""}},
         {{3 * A, -C}, {2 * A, B}, {4 * A, B}}},
        {"two plates stacked on one position",
         {"Gr6+Or5 Wo4"},
         10,
         {{{A, -C}, 9, {"Grain", "Ore"}, ""}, {{2 * A, 0}, 12, {"Grain", "Ore", "Wool"}, ""}},
         {{2 * A, 0}, {0, 0}, {A, R}, {4 * A, 0}, {3 * A, R}}},
        {"harbours facing no side and a 2:1 facing a plate",
         {"h3-     Lu8     hOrW"},
         6,
         {{{2 * A, 0}, 5, {"Lumber"}, ""},
          {{4 * A, 0}, 5, {"Lumber"}, "2:1 Ore"},
          {{4 * A, B}, 5, {"Lumber"}, "2:1 Ore"}},
         {{3 * A, -C}, {2 * A, B}, {4 * A, B}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TBoardAnalysis a = AnalyseDrawn(row.board);
        EXPECT_EQ(static_cast<int>(a.Corners.size()), row.corners);
        for (const auto& want : row.some) {
            SCOPED_TRACE(std::to_string(want.At.x) + "," + std::to_string(want.At.y));
            const TCorner* c = CornerAt(a, want.At);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->Pips, want.Pips);
            EXPECT_EQ(c->Resources, want.Resources);
            EXPECT_EQ(c->Harbour, want.Harbour);
        }
        std::vector<TPoint> best;
        for (const int i : a.BestCorners)
            best.push_back({a.Corners[static_cast<std::size_t>(i)].X, a.Corners[static_cast<std::size_t>(i)].Y});
        EXPECT_EQ(best, row.best);
        // Every corner has the two or three others one side away that the
        // lattice gives it, and the relation is mutual.
        for (std::size_t i = 0; i < a.Corners.size(); ++i)
            for (const int n : a.Corners[i].Neighbours) {
                const TCorner& o = a.Corners[static_cast<std::size_t>(n)];
                const int dx = std::abs(o.X - a.Corners[i].X), dy = std::abs(o.Y - a.Corners[i].Y);
                EXPECT_TRUE((dx == 0 && dy == B) || (dx == A && dy == C)) << i << " " << n;
                EXPECT_TRUE(std::ranges::count(o.Neighbours, static_cast<int>(i)) == 1);
            }
    }
}

TEST(BoardAnalysis, ResourceTableAndScoreParts)
{
    const TBoardAnalysis a = AnalyseDrawn({"Or6     Gr8     Gr2     De5     Lu"});
    const auto& grain = a.Resources[1];
    EXPECT_EQ(grain.Name, "Grain");
    EXPECT_EQ(grain.Plates, 2);
    EXPECT_EQ(grain.Numbered, 2);
    EXPECT_EQ(grain.Pips, 6);
    EXPECT_DOUBLE_EQ(grain.PipShare, 6.0 / 11);
    EXPECT_DOUBLE_EQ(grain.NumberShare, 2.0 / 3);
    EXPECT_EQ(a.Resources[2].Plates, 1);
    EXPECT_EQ(a.Resources[2].Numbered, 0);
    // Ore 6 and Grain 8 touch (red), Grain 8 and Grain 2 touch.
    EXPECT_EQ(a.Balance.Red, 1);
    EXPECT_EQ(a.NumberedPairs, 2);
    // Ore holds 5 of 11 pips on 1 of 3 numbered plates; the one pair of
    // producing neighbours that is red counts twice, per 2 such pairs.
    EXPECT_DOUBLE_EQ(a.Lost.Resources, 300 * (5.0 / 11 - 1.0 / 3));
    EXPECT_DOUBLE_EQ(a.Lost.Pairs, 100 * 2.0 / 2);
    EXPECT_EQ(a.Score, 0) << "the score stops at 0";
    const TBoardAnalysis calm = AnalyseDrawn({"Or4     Gr10"});
    EXPECT_EQ(calm.Lost.Pairs, 0);
    EXPECT_EQ(calm.Score, static_cast<int>(std::lround(100 - calm.Lost.Corners - calm.Lost.Resources)));
}

TEST(BoardAnalysis, SummaryNamesTheScoreAndTheBestCornersPips)
{
    const TBoardAnalysis a = AnalyseDrawn({"Or6     Gr8     Wo5"});
    const auto lines = AnalysisSummary(a);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Score: " + std::to_string(a.Score) + " of 100");
    EXPECT_EQ(lines[1].rfind("Best corners: 10, 9, ", 0), 0u) << lines[1];
    EXPECT_EQ(AnalysisSummary(AnalyseDrawn({"De      ~~"}))[1], "");
}

} // namespace
} // namespace vornia
