#include "board/ascii_text.h"

#include <gtest/gtest.h>

namespace vornia {
namespace {

// Only A..Z fold: the neighbours of the letter ranges and bytes above 127
// (a UTF-8 "É" against "é") stay as they are, whatever the locale.
TEST(AsciiText, OnlyTheTwentySixLettersFold)
{
    struct TCase {
        std::string_view A, B;
        bool Same;
    };
    const TCase cases[] = {
        {"Dog Leg", "dOG lEG", true},
        {"", "", true},
        {"@[", "`{", false},
        {"AZ", "az", true},
        {"\xC3\x89", "\xC3\xA9", false},
        {"Water", "Water ", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + std::string(c.B));
        EXPECT_EQ(SameText(c.A, c.B), c.Same);
        EXPECT_EQ(SameText(c.B, c.A), c.Same);
    }
    EXPECT_EQ(LowerAscii("Plate[12]@ZoomSize\xC3\x89"), "plate[12]@zoomsize\xC3\x89");
    static_assert(SameText("Desert", "DESERT"));
}

} // namespace
} // namespace vornia
