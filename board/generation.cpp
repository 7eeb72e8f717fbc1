// The generation driver: pools, dealing, the layout of the shape, the move
// into the corner, naming and registration.
#include <algorithm>
#include <array>
#include <string>

#include "board_layout.h"
#include "fair_rules.h"
#include "ordered_picker.h"
#include "panel_board.h"
#include "random_source.h"
#include "status_texts.h"

namespace vornia {

struct TPanelBoard::TPools {
    TPlatePool Plates;
    std::vector<std::string> Numbers;
};

void AddPlates(TPlatePool& pool, int count, const std::string& kind, const std::string& tradeResource,
               const std::string& tradeRatio)
{
    if (count <= 0)
        return;
    TResourcePlate plate;
    plate.Kind = kind;
    plate.TradeResource = tradeResource;
    plate.TradeRatio = tradeRatio;
    SetPlateColors(plate);
    for (int i = 0; i < count; ++i)
        pool.push_back({kind, plate});
}

void AddPieces(TPlatePool& pool, int count, const std::string& kind) { AddPlates(pool, count, kind, {}, {}); }

void AddNumbers(std::vector<std::string>& numbers, int count, const std::string& number)
{
    for (int i = 0; i < count; ++i)
        numbers.push_back(number);
}

namespace {

const std::string ThreeForOne = "    ?";

// Land and plain water go into the pool in the order of the settings keys
// (CountKeys), but a fixed island's in the traditional order: Grain, Wool,
// Lumber, Ore, Brick, Desert, Water.
constexpr std::array<std::size_t, 7> CustomLandOrder{{0, 1, 2, 3, 4, 5, 6}};
constexpr std::array<std::size_t, 7> TraditionalLandOrder{{1, 4, 2, 3, 0, 5, 6}};

// Harbours in the same order on both sides.
struct THarbourRow {
    const char* Resource;
    const char* Ratio;
    int TBoardSettings::*Count;
};

constexpr std::array<THarbourRow, 6> HarbourRows{{
    {"Grain", "2:1", &TBoardSettings::WaterGrainCount},
    {"Wool", "2:1", &TBoardSettings::WaterWoolCount},
    {"Lumber", "2:1", &TBoardSettings::WaterLumberCount},
    {"Brick", "2:1", &TBoardSettings::WaterBrickCount},
    {"Ore", "2:1", &TBoardSettings::WaterOreCount},
    {nullptr, "3:1", &TBoardSettings::WaterMarkCount},
}};

struct TNumberRow {
    const char* Number;
    int TBoardSettings::*Count;
};

constexpr std::array<TNumberRow, 11> NumberRows{{
    {"2", &TBoardSettings::PieTwoCount},
    {"3", &TBoardSettings::PieThreeCount},
    {"4", &TBoardSettings::PieFourCount},
    {"5", &TBoardSettings::PieFiveCount},
    {"6", &TBoardSettings::PieSixCount},
    {"7", &TBoardSettings::PieSevenCount},
    {"8", &TBoardSettings::PieEightCount},
    {"9", &TBoardSettings::PieNineCount},
    {"10", &TBoardSettings::PieTenCount},
    {"11", &TBoardSettings::PieElevenCount},
    {"12", &TBoardSettings::PieTwelveCount},
}};

} // namespace

void TPanelBoard::FillPools(const TBoardSettings& settings, TPools& pools)
{
    // A fixed island always has its own pieces.
    const TFixedIsland* island = FindFixedIsland(settings.GetShape());
    TBoardSettings s = settings;
    if (island)
        SetPieceCounts(s, island->Pieces->Counts);
    std::size_t plates = 0;
    for (std::size_t k = 0; k < 13; ++k) // land, water and harbours: the first 13 counts
        plates += static_cast<std::size_t>(std::max(0, s.*(CountKeys[k].Field)));
    pools.Plates.reserve(plates);
    for (const std::size_t k : island ? TraditionalLandOrder : CustomLandOrder)
        AddPieces(pools.Plates, s.*(CountKeys[k].Field), std::string(CountKeys[k].Key));
    for (const auto& row : HarbourRows)
        AddPlates(pools.Plates, s.*(row.Count), "Water", row.Resource ? row.Resource : ThreeForOne, row.Ratio);
    for (const auto& row : NumberRows)
        AddNumbers(pools.Numbers, s.*(row.Count), row.Number);
}

// Draws entries at random from the pools as a list with deletion would: the
// r-th remaining entry each time.
void TPanelBoard::Deal(TPools& pools, TRandomSource& random)
{
    random.Reseed();

    std::vector<std::string> dealt;
    dealt.reserve(pools.Numbers.size());
    TOrderedPicker numbers(static_cast<int>(pools.Numbers.size()));
    while (numbers.Remaining() > 0)
        dealt.push_back(std::move(pools.Numbers[static_cast<std::size_t>(numbers.Take(random.Next(numbers.Remaining())))]));

    std::size_t nextNumber = 0;
    TPlateList& plates = Plates();
    plates.Reserve(static_cast<int>(pools.Plates.size()));
    TOrderedPicker picker(static_cast<int>(pools.Plates.size()));
    while (picker.Remaining() > 0) {
        TPlateEntry& entry = pools.Plates[static_cast<std::size_t>(picker.Take(random.Next(picker.Remaining())))];
        if (IsWaterKind(entry.Text) || SameText(entry.Text, "Desert") || nextNumber >= dealt.size())
            entry.Plate.Number.clear();
        else
            entry.Plate.Number = dealt[nextNumber++];
        plates.Add(std::move(entry.Text), std::move(entry.Plate));
    }
}

std::string TPanelBoard::ApplyFairRules(const TFairRules& rules, TRandomSource& random, const TKeepGoing& keepGoing,
                                        bool& stopped)
{
    if (!rules.Any())
        return {};
    const TFairOutcome outcome = vornia::ApplyFairRules(Plates(), Zoom(), rules, random, nullptr, keepGoing);
    if (outcome == TFairOutcome::Found)
        return {};
    stopped = outcome == TFairOutcome::Stopped;
    Plates().UnplaceAll(); // nothing of it is drawn, as after a random layout that gives up
    return std::string(FairFailureText(outcome));
}

TGenerationResult TPanelBoard::GenerateBoard(const TBoardSettings& settings, int zoom, TRandomSource& random,
                                             const TKeepGoing& keepGoing)
{
    ZoomPercent = zoom;
    BoardRegistry.NewPlateList();
    {
        TPools pools;
        FillPools(settings, pools);
        Deal(pools, random);
    }
    TGenerationResult result;
    TBoardLayout layout(*this, random, settings.MassDensity);
    layout.KeepGoing = keepGoing;
    if (!layout.RunLayout(settings.GetShape())) {
        result.Stopped = layout.Stopped;
        if (!result.Stopped)
            result.FailureText = FailedBoardText;
        return result;
    }
    // A board that cannot be fair is no board, as a random one that gives up.
    result.FailureText = ApplyFairRules(settings.Fair, random, keepGoing, result.Stopped);
    if (!result.FailureText.empty() || result.Stopped)
        return result;
    layout.MoveToCorner();
    ++NewBoardCount;
    BoardRegistry.SetBoardName("New " + settings.GetShape() + " " + std::to_string(NewBoardCount));
    BoardRegistry.RegisterBoard(BoardName());
    result.Made = true;
    result.Name = BoardName();
    result.Stats = ComputeStats();
    return result;
}

} // namespace vornia
