#include "custom_options.h"

#include "board/plate.h"
#include "board/translate.h"

namespace vornia {

namespace {

long long SumCounts(const TCountTexts& counts, int first, int count)
{
    long long total = 0;
    for (int i = first; i < first + count; ++i)
        total += CountFromText(counts[i]);
    return total;
}

} // namespace

int CountFromText(std::string_view text)
{
    int value = 0;
    if (!ParseInteger(text, value) || value < 0)
        return 0;
    return value;
}

bool CountTextAccepted(std::string_view text)
{
    int value = 0;
    return SetCountFromText(value, text);
}

std::string NormalisedCountText(std::string_view text)
{
    return std::to_string(CountFromText(text));
}

long long LandTotal(const TCountTexts& counts)
{
    return SumCounts(counts, FirstLandCount, DesertCountIndex - FirstLandCount);
}

long long DiceTotal(const TCountTexts& counts)
{
    return SumCounts(counts, FirstDiceCount, DiceCountCount);
}

bool LandAndWaterEditable(std::string_view shape)
{
    return SameText(shape, "random") || SameText(shape, "cross");
}

bool LandMassShown(std::string_view shape) { return SameText(shape, "random"); }

std::string ShapeExampleCaption(std::string_view shape)
{
    if (ShapeIndex(shape) < 0)
        return {};
    return TrFormat(VORNIA_TR_NOOP("Window", "%1 example:"), {ShapeDisplayName(shape)});
}

long long DiceNeeded(std::string_view shape, long long landTotal)
{
    const TFixedIsland* island = FindFixedIsland(shape);
    return island ? island->NumberedLand() : landTotal;
}

TCountTexts PieceSetTexts(const TPieceSet& set)
{
    TCountTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = std::to_string(set.Counts[k]);
    return texts;
}

std::optional<std::string> DiceShortageQuestion(std::string_view shape, long long landTotal,
                                                long long diceTotal)
{
    const long long needed = DiceNeeded(shape, landTotal);
    if (diceTotal >= needed)
        return std::nullopt;
    return TrFormat(VORNIA_TR_NOOP("Window", "There are not enough dice tiles to cover all the land pieces that "
                                             "will be used (%1). Continue?"),
                    {std::to_string(needed)});
}

TOptionsValues OptionsFromSettings(const TBoardSettings& settings)
{
    TOptionsValues values;
    values.Shape = settings.Shape;
    values.LandMass = settings.MassDensity;
    values.CustomPieceCounts = settings.CustomPieceCounts;
    for (int i = 0; i < CountEditCount; ++i)
        values.Counts[i] = std::to_string(settings.*CountKeys[i].Field);
    values.Fair = settings.Fair;
    return values;
}

void StoreOptions(const TOptionsValues& values, TBoardSettings& settings)
{
    settings.CustomPieceCounts = values.CustomPieceCounts;
    if (!values.LandMass.empty())
        settings.MassDensity = values.LandMass;
    if (!values.Shape.empty())
        settings.Shape = values.Shape;
    for (int i = 0; i < CountEditCount; ++i)
        SetCountFromText(settings.*CountKeys[i].Field, values.Counts[i]);
    settings.Fair = values.Fair;
}

} // namespace vornia
