// The version of how boards are made. A link remakes its board from the
// request and the seed, so a link made today must give the same board later.
// Raise this number with any change that makes some request give other board
// bytes (dealing, layouts, coast, fair search, the random source); the
// golden data records it (tests/data/golden/generator_version.txt), and the
// golden test says so when the golden boards change while it stays.
#pragma once

namespace vornia {

inline constexpr int BoardGeneratorVersion = 1;

} // namespace vornia
