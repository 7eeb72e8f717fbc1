#include <gtest/gtest.h>

#include "board/board_settings.h"
#include "board/walked_shapes.h"
#include "web/web_json.h"

namespace vornia {
namespace {

// A file name or board name need not be UTF-8: the answer is still JSON the
// page can read, with U+FFFD for the bad bytes, and its keys in their order.
TEST(WebJson, ABoardWithBytesThatAreNotUtf8IsStillOneJsonObject)
{
    TWebBoard board;
    board.Made = true;
    board.Name = "[dog\xff\xfe.mirl]";
    board.Panels = {"shape: dog leg", "plain waters: 9", "", "\"quoted\"\n"};
    board.Seed = 42;
    std::string text;
    ASSERT_NO_THROW(text = JsonText(BoardJson(board, 3)));
    EXPECT_EQ(text.substr(0, 25), R"({"made":true,"error":"",")");
    const TJson back = TJson::parse(text);
    EXPECT_EQ(back["name"], "[dog\xef\xbf\xbd\xef\xbf\xbd.mirl]");
    EXPECT_EQ(back["panels"][3], "\"quoted\"\n");
    EXPECT_EQ(back["seed"], 42);
    EXPECT_EQ(back["boardsNamed"], 3);
}

TEST(WebJson, TablesHoldTheCoresCountsInOrderWithTheirDefaultsAndSets)
{
    const TJson tables = TablesJson();
    ASSERT_EQ(tables["counts"].size(), CountKeys.size());
    const TBoardSettings defaults;
    for (std::size_t i = 0; i < CountKeys.size(); ++i) {
        EXPECT_EQ(tables["counts"][i]["key"], CountKeys[i].Key);
        EXPECT_EQ(tables["counts"][i]["default"], defaults.*(CountKeys[i].Field));
    }
    EXPECT_EQ(tables["shapes"].size(), ShapeNames.size());
    EXPECT_EQ(tables["pieceSets"][1]["word"], "5-6");
    EXPECT_EQ(tables["pieceSets"][1]["counts"].size(), CountKeys.size());
}

// The captions the page shows come in the language in force, and the seed
// range from the tool's own.
TEST(WebJson, TablesSpeakTheLanguageInForce)
{
    UseWebLanguage("de");
    const TJson german = TablesJson();
    UseWebLanguage("en");
    const TJson english = TablesJson();
    EXPECT_EQ(english["rules"][0]["caption"], "No 6 and 8 side by side");
    EXPECT_EQ(german["rules"][0]["caption"], "Keine 6 und 8 nebeneinander");
    EXPECT_EQ(german["pieceSets"][1]["caption"], "5\u20136 Spieler");
    EXPECT_EQ(english["maxSeed"], 86399999);
}

} // namespace
} // namespace vornia
