// The shapes as the rest of the program sees them: every name a layout, in
// every list that offers shapes.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "board/board_layout.h"
#include "board_test_support.h"

namespace vornia {
namespace {

using testing::FixedRandom;

TEST(ShapeTable, EveryNameLaysOutAndNothingElseDoes)
{
    TPanelBoard panel;
    TRandomSource random = FixedRandom(1);
    TBoardLayout layout(panel, random, "any");
    for (std::string_view shape : ShapeNames) {
        SCOPED_TRACE(shape);
        EXPECT_TRUE(IsKnownShape(shape));
        EXPECT_TRUE(layout.RunLayout(shape));
    }
    EXPECT_TRUE(layout.RunLayout("LESSER Great lakes"));
    for (const char* unknown : {"", "doglegs", "dog  leg", "lesser great lake", "traditional "}) {
        SCOPED_TRACE(unknown);
        EXPECT_FALSE(IsKnownShape(unknown));
        EXPECT_FALSE(layout.RunLayout(unknown));
    }
}

// The fuzz dictionaries offer every shape name, so that the fuzzers reach
// every layout; a new shape that is missing from them fails here.
TEST(ShapeTable, FuzzDictionariesNameEveryShape)
{
    for (const char* dictionary : {"cli_args.dict", "settings.dict"}) {
        SCOPED_TRACE(dictionary);
        std::ifstream in(std::string(VORNIA_FUZZ_DIR) + "/" + dictionary);
        ASSERT_TRUE(in.is_open());
        std::set<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.insert(line);
        for (std::string_view shape : ShapeNames)
            EXPECT_TRUE(lines.count("\"" + std::string(shape) + "\"")) << shape;
    }
}

} // namespace
} // namespace vornia
