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

// The page builds its controls and its counts dialog from the tables alone.
TEST(WebJson, TablesHoldTheControlsAndTheCountsInOrderWithTheirCaptionsGroupsAndDefaults)
{
    const TJson tables = TablesJson();
    ASSERT_EQ(tables["counts"].size(), CountKeys.size());
    const TBoardSettings defaults;
    for (std::size_t i = 0; i < CountKeys.size(); ++i) {
        EXPECT_EQ(tables["counts"][i]["key"], CountKeys[i].Key);
        EXPECT_EQ(tables["counts"][i]["default"], defaults.*(CountKeys[i].Field));
        EXPECT_EQ(tables["defaults"]["counts"][std::string(CountKeys[i].Key)], defaults.*(CountKeys[i].Field));
    }
    EXPECT_EQ(tables["counts"][0]["caption"], "Brick:"); // without the window's shortcut mark
    EXPECT_EQ(tables["counts"][12]["caption"], "3:1 ?:");
    std::size_t grouped = 0;
    for (const auto& group : tables["countGroups"]) {
        EXPECT_EQ(group["first"], grouped);
        grouped += group["size"].get<std::size_t>();
    }
    EXPECT_EQ(grouped, CountKeys.size());
    EXPECT_EQ(tables["countGroups"][0]["total"], "Total - Desert =");

    const TJson& controls = tables["controls"];
    ASSERT_EQ(controls.size(), 6u);
    EXPECT_EQ(controls[0]["key"], "shape");
    EXPECT_EQ(controls[0]["choices"].size(), ShapeNames.size());
    EXPECT_EQ(controls[1]["onlyFor"]["shape"], TJson::array({"random"}));
    EXPECT_EQ(controls[2]["choices"][2]["value"], 50);
    EXPECT_EQ(controls[3]["drawing"], true);
    EXPECT_EQ(controls[4]["key"], "corners");
    EXPECT_EQ(controls[5]["choices"][3]["value"], "pips");
    for (const auto& control : controls)
        EXPECT_TRUE(tables["defaults"].contains(control["key"].get<std::string>())) << control["key"];
    EXPECT_EQ(tables["defaults"]["shape"], "traditional");
    EXPECT_EQ(tables["maxSeed"], 86399999);
    EXPECT_EQ(tables["pieceSets"][1]["word"], "5-6");
    EXPECT_EQ(tables["pieceSets"][1]["counts"]["Grain"], 6);
    EXPECT_EQ(tables["messages"]["couldNotOpen"], "Could not open %1");
    EXPECT_EQ(tables["languages"][0], TJson({{"code", "en"}, {"name", "English"}}));
    EXPECT_EQ(tables["languages"][1], TJson({{"code", "de"}, {"name", "Deutsch"}}));
}

// Asked again after a change of language, the tables come in that language.
TEST(WebJson, TablesAreInTheLanguageInForce)
{
    ASSERT_EQ(UseWebLanguage("de"), "de");
    const TJson german = TablesJson();
    UseWebLanguage("en");
    EXPECT_EQ(german["counts"][0]["caption"], "Lehm:");
    EXPECT_EQ(german["controls"][4]["caption"], "Punkte an den Ecken");
    EXPECT_EQ(german["controls"][5]["caption"], "Faires Spielbrett");
    EXPECT_EQ(german["controls"][5]["choices"][0]["caption"], "Keine 6 und 8 nebeneinander");
    EXPECT_EQ(german["pieceSets"][1]["caption"], "5\u20136 Spieler");
    EXPECT_EQ(TablesJson()["counts"][0]["caption"], "Brick:");
}

} // namespace
} // namespace vornia
