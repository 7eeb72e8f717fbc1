// The walked shapes: the land is laid as one walk from the start position,
// one step per land plate, turning at the listed steps. A shape is one row of
// WalkedShapes; its name, its place in every list of shapes and its example
// picture follow from the row.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "fixed_islands.h"
#include "plate.h"

namespace vornia {

// At step Step the walk turns to Direction (the walk starts north-west).
struct TTurn {
    int Step = 0; // 0 marks an unused entry: steps count from 1
    TBorderType Direction = btNorthWest;
};

constexpr std::size_t MaxTurns = 20;

struct TWalkedShape {
    std::string_view Name;
    std::array<TTurn, MaxTurns> Turns;
    int LastStep = 19; // the walk ends after this step
};

// One shape a line, as the table reads best.
// clang-format off
inline constexpr auto WalkedShapes = std::to_array<TWalkedShape>({
    {"long lake", {{{1, btEast}, {2, btNorthEast}, {3, btEast}, {10, btSouthEast}, {11, btSouthWest}, {12, btWest}}}},
    {"albatross",
     {{{1, btNorthWest}, {2, btNorthEast}, {3, btSouthEast}, {7, btNorthEast}, {8, btNorthWest}, {9, btEast},
       {11, btNorthWest}, {12, btEast}, {13, btNorthWest}, {14, btWest}, {15, btNorthWest}, {17, btSouthWest}}}},
    {"great lakes", {{{1, btEast}, {4, btSouthWest}, {8, btNorthWest}, {12, btNorthEast}, {16, btSouthEast}}}},
    {"pine cone",
     {{{1, btSouthWest}, {2, btEast}, {3, btSouthEast}, {4, btWest}, {6, btSouthWest}, {7, btEast},
       {10, btSouthEast}, {11, btWest}, {15, btSouthEast}, {16, btEast}}}},
    {"valley", {{{1, btEast}, {6, btSouthEast}, {7, btWest}, {13, btSouthEast}, {14, btEast}}}},
    {"dog leg",
     {{{1, btNorthEast}, {5, btEast}, {6, btSouthEast}, {10, btSouthWest}, {11, btNorthWest}, {15, btSouthWest}}}},
    {"wolf",
     {{{1, btEast}, {6, btSouthWest}, {7, btWest}, {11, btSouthEast}, {13, btEast}, {14, btSouthWest},
       {15, btSouthEast}, {16, btNorthEast}}}},
    {"coelecanth",
     {{{1, btSouthWest}, {2, btWest}, {4, btNorthEast}, {5, btNorthWest}, {6, btEast}, {8, btNorthEast},
       {9, btEast}, {10, btSouthEast}, {11, btSouthWest}, {12, btEast}, {13, btNorthEast}, {14, btSouthEast},
       {15, btSouthWest}, {16, btWest}, {17, btSouthWest}, {18, btWest}}}},
    {"scorpion",
     {{{1, btWest}, {2, btSouthWest}, {3, btWest}, {5, btNorthEast}, {6, btWest}, {7, btNorthEast},
       {8, btEast}, {10, btNorthEast}, {11, btEast}, {12, btSouthEast}, {13, btEast}, {14, btSouthWest},
       {15, btSouthEast}, {16, btWest}, {17, btSouthWest}, {18, btWest}}}},
    {"lesser great lakes",
     {{{1, btNorthEast}, {3, btSouthEast}, {4, btNorthEast}, {5, btSouthEast}, {8, btWest}, {12, btSouthEast},
       {15, btNorthEast}, {16, btSouthEast}, {17, btNorthEast}}}},
});
// clang-format on

// The shapes with layouts of their own.
inline constexpr std::array<std::string_view, 2> CodedShapes{{"random", "cross"}};

namespace detail {

constexpr bool IsLowerName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char c : name)
        if (c >= 'A' && c <= 'Z')
            return false;
    return true;
}

// traditional and random first, then the others in alphabetical order.
constexpr auto ListShapeNames()
{
    std::array<std::string_view, FixedIslands.size() + CodedShapes.size() + WalkedShapes.size()> names{};
    std::size_t n = 0;
    names[n++] = FixedIslands[0].Name;
    for (std::string_view name : CodedShapes)
        names[n++] = name;
    for (std::size_t i = 1; i < FixedIslands.size(); ++i)
        names[n++] = FixedIslands[i].Name;
    for (const TWalkedShape& shape : WalkedShapes)
        names[n++] = shape.Name;
    std::sort(names.begin() + 2, names.end());
    return names;
}

constexpr bool WalkedShapeRowsAreSound()
{
    const auto names = ListShapeNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!IsLowerName(names[i]))
            return false;
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (names[i] == names[j])
                return false;
    }
    for (const TWalkedShape& shape : WalkedShapes) {
        if (shape.LastStep < 1)
            return false;
        // Turns in rising steps within the walk: a repeated step is never taken.
        int step = 0;
        for (const TTurn& turn : shape.Turns) {
            if (turn.Step == 0)
                continue;
            if (turn.Step <= step || turn.Step > shape.LastStep || turn.Direction > btWest)
                return false;
            step = turn.Step;
        }
    }
    return true;
}

} // namespace detail

// Shape names are compared without regard to letter case, so each is written
// in lower case; no two are alike; every turn of a walk can be taken.
static_assert(detail::WalkedShapeRowsAreSound());

// Every shape in the order of the options dialog (its picture index).
inline constexpr auto ShapeNames = detail::ListShapeNames();
static_assert(ShapeNames.size() == FixedIslands.size() + CodedShapes.size() + WalkedShapes.size());
static_assert(ShapeNames[0] == "traditional" && ShapeNames[1] == "random");

// The row of a walked shape (letter case ignored), or nullptr.
const TWalkedShape* FindWalkedShape(std::string_view name);

} // namespace vornia
