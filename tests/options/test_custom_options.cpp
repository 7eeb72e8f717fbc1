#include "options/custom_options.h"
#include "options/options_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vornia {
namespace {

TEST(CustomOptions, CountFromTextIsLenient)
{
    const struct {
        const char* text;
        int count;
    } rows[] = {
        {"", 0},      {"abc", 0},         {"-3", 0},      {"007", 7},   {"+5", 5},
        {"501", 501}, {"2147483647", INT_MAX}, {"99999999999", 0}, {" 5", 0}, {"5x", 0},
        {"-0", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(CountFromText(row.text), row.count);
        EXPECT_EQ(NormalisedCountText(row.text), std::to_string(row.count));
    }
}

TEST(CustomOptions, TotalsOfTheDefaultCounts)
{
    TCountTexts counts = OptionsFromSettings(TBoardSettings{}).Counts;
    EXPECT_EQ(LandTotal(counts), 18);
    EXPECT_EQ(DiceTotal(counts), 18);

    // Neither the desert nor any water count adds to the land total.
    counts[DesertCountIndex] = "40";
    for (int i = FirstWaterCount; i < FirstWaterCount + WaterCountCount; ++i)
        counts[i] = "7";
    EXPECT_EQ(LandTotal(counts), 18);
    EXPECT_EQ(DiceTotal(counts), 18);

    // Seven counts among the dice; text that is no count adds nothing.
    counts[FirstDiceCount + 5] = "3";
    counts[FirstDiceCount] = "abc";
    counts[FirstLandCount] = "-3";
    EXPECT_EQ(DiceTotal(counts), 18 + 3 - 1);
    EXPECT_EQ(LandTotal(counts), 18 - 3);
}

TEST(CustomOptions, TotalsOfHugeCountsDoNotOverflow)
{
    TCountTexts counts;
    counts.fill("2147483647");
    EXPECT_EQ(LandTotal(counts), 5LL * INT_MAX);
    EXPECT_EQ(DiceTotal(counts), 11LL * INT_MAX);
}

TEST(CustomOptions, ControlsFollowTheShape)
{
    const struct {
        const char* shape;
        bool editable;
        bool landMass;
    } rows[] = {
        {"random", true, true},       {"Random", true, true},     {"cross", true, false},
        {"CROSS", true, false},       {"albatross", false, false}, {"traditional", false, false},
        {"lesser great lakes", false, false}, {"", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shape);
        EXPECT_EQ(LandAndWaterEditable(row.shape), row.editable);
        EXPECT_EQ(LandMassShown(row.shape), row.landMass);
    }
}

TEST(CustomOptions, ExampleCaptionNamesTheShape)
{
    EXPECT_EQ(ShapeExampleCaption("valley"), "valley example:");
    EXPECT_EQ(ShapeExampleCaption("dog leg"), "dog leg example:");
    EXPECT_EQ(ShapeExampleCaption("moose"), "");
    EXPECT_EQ(ShapeExampleCaption(""), "");
}

TEST(CustomOptions, DiceShortageQuestion)
{
    const struct {
        const char* name;
        const char* shape;
        long long land;
        long long dice;
        const char* needed; // nullptr: no question
    } rows[] = {
        {"traditional needs 18 whatever the land says", "traditional", 30, 17, "18"},
        {"traditional with 18 dice is enough", "traditional", 30, 18, nullptr},
        {"traditional ignores a small land total", "Traditional", 2, 17, "18"},
        {"the large island needs 28", "large traditional", 19, 27, "28"},
        {"the large island with 28 dice is enough", "Large Traditional", 40, 28, nullptr},
        {"random needs its land total", "random", 19, 18, "19"},
        {"random with as many dice as land", "random", 19, 19, nullptr},
        {"more dice than land", "wolf", 10, 18, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto question = DiceShortageQuestion(row.shape, row.land, row.dice);
        if (!row.needed) {
            EXPECT_FALSE(question.has_value());
            continue;
        }
        ASSERT_TRUE(question.has_value());
        EXPECT_EQ(*question, std::string("There are not enough dice tiles to cover all the land "
                                         "pieces that will be used (") +
                                 row.needed + "). Continue?");
    }
}

TEST(CustomOptions, SettingsMoveInAsTexts)
{
    TBoardSettings settings;
    settings.Shape = "Dog Leg";
    settings.MassDensity = "HIGH";
    settings.CustomPieceCounts = true;
    settings.WaterMarkCount = 500;
    settings.PieTwelveCount = 0;
    const TOptionsValues values = OptionsFromSettings(settings);
    EXPECT_EQ(values.Shape, "Dog Leg");
    EXPECT_EQ(values.LandMass, "HIGH");
    EXPECT_TRUE(values.CustomPieceCounts);
    EXPECT_EQ(values.Counts[0], "3");
    EXPECT_EQ(values.Counts[FirstWaterCount], "9");
    EXPECT_EQ(values.Counts[FirstDiceCount - 1], "500");
    EXPECT_EQ(values.Counts[CountEditCount - 1], "0");
}

TEST(CustomOptions, StoreTakesOnlyValidCounts)
{
    TBoardSettings settings;
    TOptionsValues values = OptionsFromSettings(settings);
    values.Shape = "valley";
    values.LandMass = "low";
    values.CustomPieceCounts = true;
    values.Counts[0] = "0";                     // Brick: taken
    values.Counts[1] = "501";                   // Grain: above 500, kept at 4
    values.Counts[2] = "abc";                   // Lumber: kept at 4
    values.Counts[3] = "500";                   // Ore: taken
    values.Counts[FirstWaterCount] = "abc";     // plain water: kept at 9
    values.Counts[FirstDiceCount - 1] = "12";   // 3:1 harbours: taken
    values.Counts[FirstDiceCount + 5] = "2";    // Seven: taken
    values.Counts[CountEditCount - 1] = "-1";   // Twelve: kept at 1

    StoreOptions(values, settings);
    TBoardSettings expected;
    expected.Shape = "valley";
    expected.MassDensity = "low";
    expected.CustomPieceCounts = true;
    expected.BrickCount = 0;
    expected.OreCount = 500;
    expected.WaterMarkCount = 12;
    expected.PieSevenCount = 2;
    EXPECT_EQ(settings, expected);
}

TEST(CustomOptions, StoreKeepsShapeAndLandMassWhenNoneIsSelected)
{
    TBoardSettings settings;
    settings.Shape = "wolf";
    settings.MassDensity = "medium";
    TOptionsValues values = OptionsFromSettings(settings);
    values.Shape.clear();
    values.LandMass.clear();
    StoreOptions(values, settings);
    EXPECT_EQ(settings.Shape, "wolf");
    EXPECT_EQ(settings.MassDensity, "medium");
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

// The dialog's parts as the English form gives them: 943 x 300 side by side,
// 713 x 408 with the rules below the counts, 480 x 512 in one column.
TEST(OptionsFit, TheFormAsDesignedWhereTheScreenHasRoomForIt)
{
    const std::array<TBox, OptionsArrangementCount> content{{{943, 300}, {713, 408}, {480, 512}}};
    constexpr int Bottom = 35, Bar = 15;
    using enum TOptionsArrangement;
    const struct {
        const char* Name;
        std::optional<TBox> Room;
        TOptionsFit Fit;
    } rows[] = {
        {"not on a screen yet", std::nullopt, {Wide, {943, 335}}},
        {"a wide screen", TBox{1272, 772}, {Wide, {943, 335}}},
        {"exactly wide enough", TBox{943, 335}, {Wide, {943, 335}}},
        {"800 x 600", TBox{792, 568}, {FairBelowCounts, {713, 443}}},
        {"1280 x 800 at scale 2", TBox{632, 368}, {OneColumn, {480 + Bar, 368}, false, true}},
        {"too low for the rules below", TBox{800, 400}, {FairBelowCounts, {713 + Bar, 400}, false, true}},
        {"narrower than any", TBox{300, 200}, {OneColumn, {300, 200}, true, true}},
        {"narrow but high enough", TBox{300, 1000}, {OneColumn, {300, 512 + Bottom + Bar}, true, false}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(FitOptions(content, Bottom, Bar, row.Room), row.Fit);
    }
}

} // namespace
} // namespace vornia
