#include "board_analysis.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "geometry.h"

namespace vornia {

namespace {

// How much each part of the score weighs (see ScoreBoard).
constexpr double CornerWeight = 20;    // points for a spread of all the best corner's pips
constexpr double ResourceWeight = 300; // points per whole share of all pips (3 per percentage point)
constexpr double PairWeight = 100;     // points per red pair counted twice and equal pair once, per producing pair

std::uint64_t PointKey(std::int32_t x, std::int32_t y)
{
    return (std::uint64_t{static_cast<std::uint32_t>(x)} << 32) | static_cast<std::uint32_t>(y);
}

// The hex's six vertices from the upper-left one, clockwise; side d runs
// from vertex d to vertex d + 1 (mod 6), wrapped as every position sum is.
std::array<TPoint, 6> Vertices(std::int32_t x, std::int32_t y, const THexMetrics& m)
{
    const std::int64_t a = m.HalfWidth, b = m.SideLength, c = m.PeakHeight;
    return {{{x, y},
             {WrapInt32(x + a), WrapInt32(y - c)},
             {WrapInt32(x + 2 * a), y},
             {WrapInt32(x + 2 * a), WrapInt32(y + b)},
             {WrapInt32(x + a), WrapInt32(y + b + c)},
             {x, WrapInt32(y + b)}}};
}

int ResourceIndex(std::string_view kind)
{
    for (std::size_t r = 0; r < ResourceNames.size(); ++r)
        if (SameText(kind, ResourceNames[r]))
            return static_cast<int>(r);
    return -1;
}

// A producing plate's kind joins a corner's resources once, letter case ignored.
void AddResource(std::vector<std::string>& resources, const std::string& kind)
{
    const int known = ResourceIndex(kind);
    const std::string name = known >= 0 ? std::string(ResourceNames[static_cast<std::size_t>(known)]) : kind;
    for (const std::string& r : resources)
        if (SameText(r, name))
            return;
    resources.push_back(name);
    // The five resources in their order, then the others by their text.
    std::sort(resources.begin(), resources.end(), [](const std::string& l, const std::string& r) {
        const int a = ResourceIndex(l), b = ResourceIndex(r);
        const int ra = a < 0 ? ResourceCount : a, rb = b < 0 ? ResourceCount : b;
        return ra != rb ? ra < rb : LowerAscii(l) < LowerAscii(r);
    });
}

std::string HarbourText(const TResourcePlate& harbour)
{
    std::string resource = harbour.TradeResource;
    resource.erase(0, resource.find_first_not_of(' '));
    if (resource == "?" || resource.empty())
        return harbour.TradeRatio;
    return harbour.TradeRatio.empty() ? resource : harbour.TradeRatio + " " + resource;
}

// The corners of the board in the order first met, found by their point.
struct TCornerTable {
    std::vector<TCorner> Corners;
    std::unordered_map<std::uint64_t, int> ByPoint;

    int Find(TPoint p) const
    {
        const auto it = ByPoint.find(PointKey(p.x, p.y));
        return it == ByPoint.end() ? -1 : it->second;
    }
    // vertex: which of the hex's vertices the point is, from the upper-left one.
    int Add(TPoint p, std::size_t vertex)
    {
        const auto [it, added] = ByPoint.try_emplace(PointKey(p.x, p.y), static_cast<int>(Corners.size()));
        if (added) {
            TCorner corner;
            corner.X = p.x;
            corner.Y = p.y;
            corner.UprightSideBelow = vertex % 2 == 0;
            Corners.push_back(std::move(corner));
        }
        return it->second;
    }
};

void LinkNeighbours(TCornerTable& table, const TPlateList& plates, const THexMetrics& m)
{
    for (const TPlateEntry& entry : plates.All()) {
        const TResourcePlate& p = entry.Plate;
        if (!p.Placed || !IsLand(p))
            continue;
        // The plate's own hex and the hexes at its six neighbour positions.
        for (int d = btNorthWest; d <= btNone; ++d) {
            const TPoint at = StepWith(p.X, p.Y, d, m);
            const auto v = Vertices(at.x, at.y, m);
            int ends[6];
            for (std::size_t i = 0; i < 6; ++i)
                ends[i] = table.Find(v[i]);
            for (std::size_t s = 0; s < 6; ++s) {
                const int a = ends[s], b = ends[(s + 1) % 6];
                if (a < 0 || b < 0)
                    continue;
                table.Corners[static_cast<std::size_t>(a)].Neighbours.push_back(b);
                table.Corners[static_cast<std::size_t>(b)].Neighbours.push_back(a);
            }
        }
    }
}

// The corners by y, then x, with the neighbour indexes following them.
std::vector<TCorner> SortedCorners(std::vector<TCorner> corners)
{
    std::vector<int> order(corners.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [&](int l, int r) {
        const TCorner &a = corners[static_cast<std::size_t>(l)], &b = corners[static_cast<std::size_t>(r)];
        return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
    });
    std::vector<int> newIndex(corners.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    std::vector<TCorner> sorted;
    sorted.reserve(corners.size());
    for (const int i : order) {
        TCorner& c = corners[static_cast<std::size_t>(i)];
        for (int& n : c.Neighbours)
            n = newIndex[static_cast<std::size_t>(n)];
        std::sort(c.Neighbours.begin(), c.Neighbours.end());
        c.Neighbours.erase(std::unique(c.Neighbours.begin(), c.Neighbours.end()), c.Neighbours.end());
        sorted.push_back(std::move(c));
    }
    return sorted;
}

// Most pips first, then most resources, then the top-most, then the left-most;
// each taken corner rules out its neighbours.
std::vector<int> BestStartingCorners(const std::vector<TCorner>& corners)
{
    std::vector<int> order;
    for (std::size_t i = 0; i < corners.size(); ++i)
        if (corners[i].Pips > 0)
            order.push_back(static_cast<int>(i));
    std::sort(order.begin(), order.end(), [&](int l, int r) {
        const TCorner &a = corners[static_cast<std::size_t>(l)], &b = corners[static_cast<std::size_t>(r)];
        if (a.Pips != b.Pips)
            return a.Pips > b.Pips;
        if (a.Resources.size() != b.Resources.size())
            return a.Resources.size() > b.Resources.size();
        return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
    });
    std::vector<int> best;
    std::vector<bool> ruledOut(corners.size(), false);
    for (const int i : order) {
        if (static_cast<int>(best.size()) == MaxBestCorners)
            break;
        if (ruledOut[static_cast<std::size_t>(i)])
            continue;
        best.push_back(i);
        for (const int n : corners[static_cast<std::size_t>(i)].Neighbours)
            ruledOut[static_cast<std::size_t>(n)] = true;
    }
    return best;
}

long long CountNumberedPairs(const TPlateList& plates, int zoom)
{
    const TLandGraph graph = LandNeighbours(plates, zoom);
    long long pairs = 0;
    for (std::size_t p = 0; p < graph.Plates.size(); ++p) {
        if (!Produces(plates[graph.Plates[p]]))
            continue;
        for (const int q : graph.Neighbours[p])
            if (q > static_cast<int>(p) && Produces(plates[graph.Plates[static_cast<std::size_t>(q)]]))
                ++pairs;
    }
    return pairs;
}

// 100 less three parts: the spread of the eight best starting corners (the
// best one's pips less the eighth's, as a share of the best one's); the most
// that one resource's share of the pips exceeds its share of the numbered
// plates; and the red and equal pairs of producing neighbours, a red pair
// counting twice, per pair of producing neighbours.
void ScoreBoard(TBoardAnalysis& a)
{
    const std::size_t scored = std::min<std::size_t>(a.BestCorners.size(), ScoredBestCorners);
    if (scored >= 2) {
        const int first = a.Corners[static_cast<std::size_t>(a.BestCorners.front())].Pips;
        const int last = a.Corners[static_cast<std::size_t>(a.BestCorners[scored - 1])].Pips;
        a.Lost.Corners = CornerWeight * (first - last) / first;
    }
    double over = 0;
    for (const TResourceRow& row : a.Resources)
        over = std::max(over, row.PipShare - row.NumberShare);
    a.Lost.Resources = ResourceWeight * over;
    if (a.NumberedPairs > 0)
        a.Lost.Pairs = PairWeight * static_cast<double>(2 * a.Balance.Red + a.Balance.Equal) /
                       static_cast<double>(a.NumberedPairs);
    const double score = 100 - (a.Lost.Corners + a.Lost.Resources + a.Lost.Pairs);
    a.Score = static_cast<int>(std::lround(std::clamp(score, 0.0, 100.0)));
}

} // namespace

bool Produces(const TResourcePlate& plate)
{
    return IsLand(plate) && !IsDesert(plate) && PipsOfNumberText(plate.Number) > 0;
}

TBoardAnalysis AnalyseBoard(const TPlateList& plates, int zoom)
{
    const THexMetrics m = MetricsAtZoom(zoom);
    TBoardAnalysis a;
    TCornerTable table;
    table.ByPoint.reserve(static_cast<std::size_t>(plates.PlacedCount()) * 3);

    long long totalPips = 0, totalNumbered = 0;
    for (std::size_t r = 0; r < ResourceNames.size(); ++r)
        a.Resources[r].Name = ResourceNames[r];
    for (const TPlateEntry& entry : plates.All()) {
        const TResourcePlate& p = entry.Plate;
        if (!p.Placed || !IsLand(p))
            continue;
        const bool produces = Produces(p);
        const int pips = produces ? PipsOfNumberText(p.Number) : 0;
        const auto vertices = Vertices(p.X, p.Y, m);
        for (std::size_t v = 0; v < vertices.size(); ++v) {
            TCorner& corner = table.Corners[static_cast<std::size_t>(table.Add(vertices[v], v))];
            if (produces) {
                corner.Pips += pips;
                AddResource(corner.Resources, p.Kind);
            }
        }
        const int resource = ResourceIndex(p.Kind);
        if (resource < 0)
            continue;
        TResourceRow& row = a.Resources[static_cast<std::size_t>(resource)];
        ++row.Plates;
        if (produces) {
            ++row.Numbered;
            row.Pips += pips;
            ++totalNumbered;
            totalPips += pips;
        }
    }
    for (TResourceRow& row : a.Resources) {
        row.PipShare = totalPips > 0 ? static_cast<double>(row.Pips) / static_cast<double>(totalPips) : 0;
        row.NumberShare =
            totalNumbered > 0 ? static_cast<double>(row.Numbered) / static_cast<double>(totalNumbered) : 0;
    }

    for (const TPlateEntry& entry : plates.All()) {
        const TResourcePlate& p = entry.Plate;
        if (!p.Placed || !IsHarbour(p) || p.Border > btWest)
            continue;
        const auto v = Vertices(p.X, p.Y, m);
        for (const TPoint end : {v[p.Border], v[(p.Border + 1) % 6]}) {
            const int corner = table.Find(end);
            if (corner >= 0 && table.Corners[static_cast<std::size_t>(corner)].Harbour.empty())
                table.Corners[static_cast<std::size_t>(corner)].Harbour = HarbourText(p);
        }
    }

    LinkNeighbours(table, plates, m);
    a.Corners = SortedCorners(std::move(table.Corners));
    a.BestCorners = BestStartingCorners(a.Corners);
    a.Balance = ComputeBalance(plates, zoom);
    a.NumberedPairs = CountNumberedPairs(plates, zoom);
    ScoreBoard(a);
    return a;
}

std::vector<std::string> AnalysisSummary(const TBoardAnalysis& analysis)
{
    std::vector<std::string> lines{TrFormat(ScoreTemplate, {std::to_string(analysis.Score)})};
    std::string pips;
    for (const int i : analysis.BestCorners)
        pips += (pips.empty() ? "" : ", ") + std::to_string(analysis.Corners[static_cast<std::size_t>(i)].Pips);
    lines.push_back(pips.empty() ? std::string() : TrFormat(BestCornersTemplate, {pips}));
    return lines;
}

} // namespace vornia
