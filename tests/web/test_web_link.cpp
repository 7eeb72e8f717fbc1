#include <gtest/gtest.h>

#include "board/generator_version.h"
#include "web/web_link.h"

namespace vornia {
namespace {

using TWords = std::vector<std::string>;

TEST(WebLink, GivesTheToolsWordsInTheirOrderWithTheDrawingApart)
{
    const struct {
        const char* Fragment;
        TWords Words;
        bool BlackAndWhite;
        bool HasSeed;
        bool CornerPips = false;
    } rows[] = {
        {"#shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42",
         {"--shape", "dog leg", "--mass", "high", "--counts", "Brick=5,Grain=4", "--fair", "red,pips", "--zoom", "75",
          "--seed", "42"},
         true,
         true},
        {"#seed=7&bw=0&&shape=Cross&corners=1", {"--shape", "Cross", "--seed", "7"}, false, true, true},
        {"#v=1&counts=pieSeven=2&pieces=5-6&seed=3",
         {"--pieces", "5-6", "--counts", "pieSeven=2", "--seed", "3"},
         false,
         true},
        {"", {}, false, false},
        {"#zoom=50&corners=0", {"--zoom", "50"}, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Fragment);
        const TWebLink link = ParseWebLink(row.Fragment);
        EXPECT_EQ(link.Error, "");
        EXPECT_EQ(link.Words, row.Words);
        EXPECT_EQ(link.Drawing.BlackAndWhite, row.BlackAndWhite);
        EXPECT_EQ(link.Drawing.CornerPips, row.CornerPips);
        EXPECT_EQ(link.HasSeed, row.HasSeed);
    }
}

// A link keeps the version of the generator that made it: another version's
// link still gives its board, with a notice; a link without one is version 1.
TEST(WebLink, SaysWhenALinkWasMadeByAnotherVersion)
{
    const std::string current = "#v=" + std::to_string(BoardGeneratorVersion) + "&seed=5";
    EXPECT_EQ(ParseWebLink(current).Notice, "");
    EXPECT_EQ(ParseWebLink("#seed=5").Notice, BoardGeneratorVersion == 1 ? "" : ParseWebLink("#v=999&seed=5").Notice);
    const TWebLink other = ParseWebLink("#v=" + std::to_string(BoardGeneratorVersion + 1) + "&seed=5");
    EXPECT_EQ(other.Notice, "This link was made by another version; the board may differ from the one shared.");
    EXPECT_EQ(other.Words, (TWords{"--seed", "5"}));
    EXPECT_EQ(other.Error, "");
}

TEST(WebLink, RefusesABadLinkInOneLineOfThePlayersWords)
{
    const std::pair<const char*, const char*> rows[] = {
        {"#shape=nonsense&seed=1", "This link names an unknown shape, \"nonsense\"."},
        {"#seed=abc", "This link's board number, \"abc\", is not a number from 0 to 86399999."},
        {"#seed=86400000", "This link's board number, \"86400000\", is not a number from 0 to 86399999."},
        {"#counts=Brick=501", "This link's piece counts, \"Brick=501\", are not piece names each with a whole number "
                              "from 0 to 500."},
        {"#v=0&seed=1", "This link's version, \"0\", is not a whole number from 1 up."},
        {"#pieces=7-8", "This link names an unknown piece set, \"7-8\"."},
        {"#mass=thick", "This link names an unknown land mass, \"thick\"."},
        {"#fair=blue", "This link names unknown fair rules, \"blue\"."},
        {"#zoom=60", "This link's zoom, \"60\", is not 100, 75 or 50."},
        {"#bw=2", "This link's black and white, \"2\", is not 0 or 1."},
        {"#corners=on", "This link's corner pips, \"on\", is not 0 or 1."},
        {"#colour=red", "This link holds a word this page does not know, \"colour\"."},
        {"#seed=1&seed=2", "This link gives \"seed\" twice."},
        {"#seed=", "This link gives no value for \"seed\"."},
        {"#shape", "This link gives no value for \"shape\"."},
        {"#shape=%E0%A4%A", "This link is damaged at \"shape=%E0%A4%A\"."},
        {"#shape=%C3", "This link is damaged at \"shape=%C3\"."},
        {"#shape=%0A%07x", "This link names an unknown shape, \"??x\"."},
    };
    for (const auto& [fragment, message] : rows) {
        SCOPED_TRACE(fragment);
        const TWebLink link = ParseWebLink(fragment);
        EXPECT_EQ(link.Error, message);
        EXPECT_TRUE(link.Words.empty());
    }
    // A long value is cut at a whole character.
    const std::string longShape = "#shape=" + std::string(79, 'x') + "%C3%A9yyy";
    EXPECT_EQ(ParseWebLink(longShape).Error,
              "This link names an unknown shape, \"" + std::string(79, 'x') + "\u2026\".");
}

} // namespace
} // namespace vornia
