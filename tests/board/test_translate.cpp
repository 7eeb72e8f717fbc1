// The plain layers' texts through a translator: templates reordered, names
// of shapes and new boards translated, and everything else left as it is.
#include <gtest/gtest.h>

#include <map>

#include "board/translate.h"

namespace vornia {
namespace {

std::string Fake(const char*, const std::string& source)
{
    static const std::map<std::string, std::string> table{
        {"%1 of %2", "%2: %1"},
        {"New cross %1", "Neues Kreuz %1"},
        {"cross", "Kreuz"},
        {"medium", "mittel"},
    };
    const auto found = table.find(source);
    return found == table.end() ? source : found->second;
}

class Translate : public ::testing::Test {
protected:
    void TearDown() override { SetTranslator(nullptr); }
};

TEST_F(Translate, WithoutATranslatorEverythingStaysEnglish)
{
    EXPECT_EQ(TrFormat("%1 of %2", {"a", "b"}), "a of b");
    EXPECT_EQ(ShapeDisplayName("Cross"), "Cross");
    EXPECT_EQ(BoardDisplayName("[New cross 3]"), "[New cross 3]");
}

TEST_F(Translate, TemplatesNamesAndBoardNames)
{
    SetTranslator(&Fake);
    EXPECT_EQ(TrFormat("%1 of %2", {"a", "b"}), "b: a");
    // A percent sign that is no argument stays; a missing argument too.
    EXPECT_EQ(FormatText("100% and %3 %1", {"x"}), "100% and %3 x");

    EXPECT_EQ(ShapeDisplayName("Cross"), "Kreuz");
    EXPECT_EQ(ShapeDisplayName("wolf"), "wolf"); // no translation: as spelt
    EXPECT_EQ(LandMassDisplayName("MEDIUM"), "mittel");

    EXPECT_EQ(BoardDisplayName("[New Cross 12]"), "[Neues Kreuz 12]");
    for (const char* kept : {"[New cross]", "[New cross 1a]", "New cross 3", "[/home/new/New cross 3.mirl]",
                             "[New wolf 2]", "[New nothing 2]", "", "["})
        EXPECT_EQ(BoardDisplayName(kept), kept);
}

} // namespace
} // namespace vornia
