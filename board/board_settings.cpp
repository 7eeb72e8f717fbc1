#include "board_settings.h"

#include <charconv>

#include "plate.h"

namespace vornia {

bool TBoardSettings::IsTraditionalShape() const
{
    return FindFixedIsland(Shape) != nullptr;
}

void SetAllCounts(TBoardSettings& settings, int value)
{
    for (const auto& key : CountKeys)
        settings.*(key.Field) = value;
}

void SetPieceCounts(TBoardSettings& settings, const TPieceCounts& counts)
{
    for (std::size_t k = 0; k < CountKeys.size(); ++k)
        settings.*(CountKeys[k].Field) = counts[k];
}

const TPieceSet* FindPieceSet(std::string_view word)
{
    for (const TPieceSet& set : PieceSets)
        if (SameText(word, set.Word))
            return &set;
    return nullptr;
}

const TFixedIsland* FindFixedIsland(std::string_view name)
{
    for (const TFixedIsland& island : FixedIslands)
        if (SameText(name, island.Name))
            return &island;
    return nullptr;
}

int ShapeIndex(std::string_view name)
{
    for (std::size_t i = 0; i < ShapeNames.size(); ++i)
        if (SameText(name, ShapeNames[i]))
            return static_cast<int>(i);
    return -1;
}

bool IsKnownShape(std::string_view name) { return ShapeIndex(name) >= 0; }

bool IsKnownLandMass(std::string_view name)
{
    for (auto mass : LandMassNames)
        if (SameText(name, mass))
            return true;
    return false;
}

bool ParseInteger(std::string_view text, int& value)
{
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return false;
    long long magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL)
            return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > 2147483647LL)
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

bool SetCountFromText(int& field, std::string_view text)
{
    int value = 0;
    if (!ParseInteger(text, value) || value < 0 || value > MaxPieceCount)
        return false;
    field = value;
    return true;
}

} // namespace vornia
