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

struct TTraditionalCount {
    const char* Text;
    int Count;
};

constexpr std::array<TTraditionalCount, 7> TraditionalLand{{
    {"Grain", 4}, {"Wool", 4}, {"Lumber", 4}, {"Ore", 3}, {"Brick", 3}, {"Desert", 1}, {"Water", 9},
}};

// Harbours in the same order on both sides: (resource, traditional count, custom field).
struct THarbourRow {
    const char* Resource;
    const char* Ratio;
    int Traditional;
    int TBoardSettings::*Custom;
};

constexpr std::array<THarbourRow, 6> HarbourRows{{
    {"Grain", "2:1", 1, &TBoardSettings::WaterGrainCount},
    {"Wool", "2:1", 1, &TBoardSettings::WaterWoolCount},
    {"Lumber", "2:1", 1, &TBoardSettings::WaterLumberCount},
    {"Brick", "2:1", 1, &TBoardSettings::WaterBrickCount},
    {"Ore", "2:1", 1, &TBoardSettings::WaterOreCount},
    {nullptr, "3:1", 4, &TBoardSettings::WaterMarkCount},
}};

struct TNumberRow {
    const char* Number;
    int Traditional;
    int TBoardSettings::*Custom;
};

constexpr std::array<TNumberRow, 11> NumberRows{{
    {"2", 1, &TBoardSettings::PieTwoCount},
    {"3", 2, &TBoardSettings::PieThreeCount},
    {"4", 2, &TBoardSettings::PieFourCount},
    {"5", 2, &TBoardSettings::PieFiveCount},
    {"6", 2, &TBoardSettings::PieSixCount},
    {"7", 0, &TBoardSettings::PieSevenCount},
    {"8", 2, &TBoardSettings::PieEightCount},
    {"9", 2, &TBoardSettings::PieNineCount},
    {"10", 2, &TBoardSettings::PieTenCount},
    {"11", 2, &TBoardSettings::PieElevenCount},
    {"12", 1, &TBoardSettings::PieTwelveCount},
}};

} // namespace

void TPanelBoard::FillPools(const TBoardSettings& s, TPools& pools)
{
    const bool traditional = s.IsTraditionalShape();
    std::size_t plates = 0;
    for (std::size_t k = 0; k < 13; ++k) // land, water and harbours: the first 13 counts
        plates += static_cast<std::size_t>(std::max(0, s.*(CountKeys[k].Field)));
    pools.Plates.reserve(traditional ? 37 : plates);
    if (traditional) {
        for (const auto& row : TraditionalLand)
            AddPieces(pools.Plates, row.Count, row.Text);
    } else {
        // Custom land in the order of the settings keys: Brick, Grain, Lumber, Ore, Wool, Desert, Water.
        for (std::size_t k = 0; k < 7; ++k)
            AddPieces(pools.Plates, s.*(CountKeys[k].Field), std::string(CountKeys[k].Key));
    }
    for (const auto& row : HarbourRows)
        AddPlates(pools.Plates, traditional ? row.Traditional : s.*(row.Custom), "Water",
                  row.Resource ? row.Resource : ThreeForOne, row.Ratio);
    for (const auto& row : NumberRows)
        AddNumbers(pools.Numbers, traditional ? row.Traditional : s.*(row.Custom), row.Number);
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
