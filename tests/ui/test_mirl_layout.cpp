#include "ui/mirl_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vornia {
namespace {

TEST(MirlCaption, ColonAppendedOnlyWhenMissing)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Shape", "Shape:"},
        {"&Brick", "&Brick:"},
        {"Grain:", "Grain:"},
        {"3:1 ?:", "3:1 ?:"},
        {"2:1 Brick", "2:1 Brick:"},
        {"", ""},
        {":", ":"},
        {"a", "a:"},
    };
    for (const auto& [value, shown] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(CaptionWithColon(value), shown);
    }
}

// The right edge of the input: it must not move when the caption changes.
int InputRight(const TLabelledLayout& layout) { return layout.InputLeft + layout.InputWidth(); }

TEST(MirlLayout, CaptionWidthMovesTheInputButKeepsItsRightEdge)
{
    struct Row {
        const char* name;
        int panelWidth;
        int captionLeft;
        int captionWidth;
        int labelWidth; // as laid out
    };
    const Row rows[] = {
        {"narrower caption", 160, 0, 50, 50},
        {"wider caption", 160, 0, 100, 100},
        {"cut so 20 stay for the input", 95, 0, 80, 95 - 20},
        {"cut accounts for the label's left", 95, 10, 80, 95 - 10 - 20},
        {"exactly 20 left is allowed", 95, 0, 75, 75},
        {"dice edit of the options form", 85, 0, 50, 50},
        {"no room at all leaves an empty label", 15, 0, 40, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TLabelledLayout layout;
        SetPanelWidth(layout, row.panelWidth);
        SetCaptionLeft(layout, row.captionLeft);
        SetCaptionWidth(layout, row.captionWidth);
        EXPECT_EQ(layout.LabelWidth, row.labelWidth);
        EXPECT_EQ(layout.InputLeft, row.labelWidth);
        // The input ends at the panel's right edge, as it did before.
        EXPECT_EQ(InputRight(layout), row.panelWidth);
    }
}

TEST(MirlLayout, CaptionWidthChangesAddUp)
{
    // Shrinking and growing again restores the original geometry.
    TLabelledLayout layout;
    const TLabelledLayout original = layout;
    EXPECT_TRUE(SetCaptionWidth(layout, 30));
    EXPECT_EQ(layout.InputWidth(), 130);
    EXPECT_TRUE(SetCaptionWidth(layout, 70));
    EXPECT_EQ(layout, original);
}

TEST(MirlLayout, NegativeAndUnchangedValuesAreIgnored)
{
    const TLabelledLayout original;
    struct Row {
        const char* name;
        bool (*set)(TLabelledLayout&, int);
        int value;
    };
    const Row rows[] = {
        {"CaptionLeft negative", SetCaptionLeft, -1},
        {"CaptionLeft unchanged", SetCaptionLeft, 0},
        {"CaptionWidth negative", SetCaptionWidth, -5},
        {"CaptionWidth unchanged", SetCaptionWidth, 70},
        {"PanelWidth negative", SetPanelWidth, -160},
        {"PanelWidth unchanged", SetPanelWidth, 160},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TLabelledLayout layout;
        EXPECT_FALSE(row.set(layout, row.value));
        EXPECT_EQ(layout, original);
    }
}

TEST(MirlLayout, CaptionLeftMovesOnlyTheLabel)
{
    TLabelledLayout layout;
    EXPECT_TRUE(SetCaptionLeft(layout, 12));
    EXPECT_EQ(layout.LabelLeft, 12);
    EXPECT_EQ(layout.LabelWidth, 70);
    EXPECT_EQ(layout.InputLeft, 70);
    EXPECT_EQ(layout.InputWidth(), 90);
}

TEST(MirlLayout, PanelWidthStretchesTheAnchoredInput)
{
    TLabelledLayout layout;
    EXPECT_TRUE(SetPanelWidth(layout, 220));
    EXPECT_EQ(layout.InputLeft, 70);
    EXPECT_EQ(layout.InputWidth(), 150);
    // Narrower than the label: the input vanishes but comes back whole.
    EXPECT_TRUE(SetPanelWidth(layout, 40));
    EXPECT_EQ(layout.InputWidth(), 0);
    EXPECT_TRUE(SetPanelWidth(layout, 160));
    EXPECT_EQ(layout.InputWidth(), 90);
}

} // namespace
} // namespace vornia
