#include <gtest/gtest.h>

#include "board/piece_sets.h"
#include "web/web_json.h"
#include "web/web_link.h"
#include "web/web_settings.h"

namespace vornia {
namespace {

using TWords = std::vector<std::string>;

TWebSettings Settings(const char* shape, const TPieceCounts& counts)
{
    TWebSettings settings;
    settings.Board.Shape = shape;
    SetPieceCounts(settings.Board, counts);
    return settings;
}

// Counts are written against the piece set they differ from in the fewest
// keys (a tie keeps the defaults), and the words stand for the same settings:
// the page's link remakes what its controls show.
TEST(WebSettings, RequestWordsAreTheShortestAndReadBackToTheSameSettings)
{
    TPieceCounts fiveSix = PieceSets[1].Counts;
    TPieceCounts fiveSixSeven = fiveSix;
    fiveSixSeven[18] = 2; // pieSeven
    TPieceCounts oneBrick = DefaultPieceCounts;
    oneBrick[0] = 5;
    TWebSettings fair = Settings("dog leg", DefaultPieceCounts);
    fair.Board.MassDensity = "high";
    fair.Board.Fair.NoAdjacentRed = fair.Board.Fair.BalancedPips = true;
    fair.Zoom = 75;
    fair.Drawing.BlackAndWhite = true; // drawing, not a word of the request
    const struct {
        TWebSettings Settings;
        TWords Words;
    } rows[] = {
        {Settings("cross", DefaultPieceCounts), {"--shape", "cross", "--seed", "9"}},
        {Settings("cross", fiveSix), {"--shape", "cross", "--pieces", "5-6", "--seed", "9"}},
        {Settings("cross", fiveSixSeven),
         {"--shape", "cross", "--pieces", "5-6", "--counts", "pieSeven=2", "--seed", "9"}},
        {Settings("cross", oneBrick), {"--shape", "cross", "--counts", "Brick=5", "--seed", "9"}},
        {fair, {"--shape", "dog leg", "--mass", "high", "--fair", "red,pips", "--zoom", "75", "--seed", "9"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Words[1]);
        const TWords words = RequestWords(row.Settings, 9);
        EXPECT_EQ(words, row.Words);
        TWebSettings back = SettingsOfWords(words);
        back.Drawing = row.Settings.Drawing;
        EXPECT_EQ(JsonText(SettingsJson(back)), JsonText(SettingsJson(row.Settings)));
        // A link of those words, as the page writes it, is read back to them.
        std::string link = "#";
        for (std::size_t i = 0; i < words.size(); i += 2) {
            std::string value = words[i + 1];
            for (std::size_t at; (at = value.find(' ')) != std::string::npos;)
                value.replace(at, 1, "%20");
            link += words[i].substr(2) + "=" + value + "&";
        }
        EXPECT_EQ(ParseWebLink(link).Words, words);
    }
}

// Stored settings are the page's to lose: whatever the text holds, each value
// the core knows is taken and everything else is the default.
TEST(WebSettings, SettingsFromAnyTextAreTheKnownValuesOverTheDefaults)
{
    const std::string defaults = JsonText(SettingsJson({}));
    for (const char* text : {"", "&&=&", "shape", "%zz=1&shape=%E0", "0=s&1=t",
                             "shape=5&zoom=abc&bw=yes&fair=&mass=&counts=Brick=-1,Grain=501,Ore,=3,Wool=x"})
        EXPECT_EQ(JsonText(SettingsJson(SettingsOfFragment(text))), defaults) << text;
    const TWebSettings taken = SettingsOfFragment(
        "shape=DOG%20LEG&mass=low&zoom=50&bw=1&localLabels=1&fair=pips,nonsense,3&counts=Ore=500,pieSeven=2.5,nope=1");
    EXPECT_EQ(taken.Board.Shape, "dog leg");
    EXPECT_EQ(taken.Board.MassDensity, "low");
    EXPECT_EQ(taken.Zoom, 50);
    EXPECT_TRUE(taken.Drawing.BlackAndWhite);
    EXPECT_TRUE(taken.Drawing.LocalLabels);
    EXPECT_TRUE(taken.Board.Fair.BalancedPips);
    EXPECT_FALSE(taken.Board.Fair.NoAdjacentRed);
    EXPECT_EQ(taken.Board.OreCount, 500);
    EXPECT_EQ(taken.Board.PieSevenCount, 0);
    EXPECT_TRUE(DrawingOfFragment("bw=1").BlackAndWhite);
    EXPECT_FALSE(DrawingOfFragment("bw=0&localLabels=true").LocalLabels);
}

// The counts dialog's rules as the page gets them: the traditional island
// uses its own land and water and needs 18 dice; "random" uses the counts.
TEST(WebSettings, TheCountsDialogFollowsTheShapeAndAsksWhenTheDiceAreShort)
{
    TCountTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = std::to_string(DefaultPieceCounts[k]);
    TJson check = CountsJson("traditional", texts);
    EXPECT_EQ(check["editable"], TJson::array({false, false, true}));
    EXPECT_EQ(check["totals"], TJson::array({18, 0, 18}));
    EXPECT_EQ(check["diceQuestion"], "");
    EXPECT_EQ(check["refused"], -1);

    texts[13] = "0";   // no "2"
    texts[3] = "abc";  // Ore: counts as 0 in the total, refused on OK
    texts[20] = "501"; // over the largest count
    check = CountsJson("random", texts);
    EXPECT_EQ(check["editable"], TJson::array({true, true, true}));
    EXPECT_EQ(check["totals"], TJson::array({15, 0, 516}));
    EXPECT_EQ(check["refused"], 3);
    texts[20] = "2";
    texts[3] = "3";
    check = CountsJson("large traditional", texts);
    EXPECT_EQ(check["diceQuestion"], "There are not enough dice tiles to cover all the land pieces that will be used "
                                     "(28). Continue?");
    EXPECT_EQ(CountsJson("cross", {})["refused"], 0); // empty texts
}

} // namespace
} // namespace vornia
