#include "files/ini_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vornia {
namespace {

using ::testing::ElementsAre;

TEST(IniText, KeepsSectionsAcrossMixedLineEndsAndDropsCommentsAndStrayLines)
{
    const TIniFile ini = TIniFile::FromText("before=dropped\r\n; note\n[one]\rk=v\r\n\r\n;gone\nloose line\n"
                                            "[Two]\nA=1");
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_THAT(ini.Sections()[0].Lines, ElementsAre("k=v", "loose line"));
    EXPECT_THAT(ini.Sections()[1].Lines, ElementsAre("A=1"));
    const std::string written = "[one]\r\nk=v\r\nloose line\r\n\r\n[Two]\r\nA=1\r\n\r\n";
    EXPECT_EQ(ini.ToText(), written);
    EXPECT_EQ(TIniFile::FromText(written).ToText(), written);
    EXPECT_EQ(TIniFile::FromText("; only a comment\r\n").ToText(), "");
}

TEST(IniText, FindsKeysAndSectionsWithoutCaseButWithEverySpace)
{
    const TIniFile ini = TIniFile::FromText("[Settings]\r\nBrick=5\r\nSpaced = 7\r\nurl=a=b\r\nempty=\r\n"
                                            "[ settings ]\r\nBrick=9\r\n");
    struct TCase {
        const char* Section;
        const char* Key;
        const char* Expected;
    };
    const TCase cases[] = {
        {"settings", "brick", "5"},     {"SETTINGS", "BRICK", "5"},  {"settings", "Spaced", "default"},
        {"settings", "Spaced ", " 7"},  {"settings", "url", "a=b"},  {"settings", "empty", ""},
        {" SETTINGS ", "brick", "9"},   {"other", "brick", "default"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Key);
        EXPECT_EQ(ini.ReadString(c.Section, c.Key, "default"), c.Expected);
        EXPECT_EQ(ini.KeyExists(c.Section, c.Key), std::string(c.Expected) != "default");
    }
}

TEST(IniText, WritesInPlaceAppendsAtSectionEndAndDeletes)
{
    TIniFile ini = TIniFile::FromText("[s]\r\na=1\r\nb=2\r\nb=3\r\n[t]\r\nx=1\r\n");
    ini.WriteString("S", "A", "9");
    ini.WriteString("s", "c", "4");
    ini.WriteString("new", "k", "v");
    ini.DeleteKey("s", "B");
    EXPECT_EQ(ini.ToText(), "[s]\r\nA=9\r\nc=4\r\n\r\n[t]\r\nx=1\r\n\r\n[new]\r\nk=v\r\n\r\n");
    ini.EraseAll();
    EXPECT_EQ(ini.ToText(), "");
}

TEST(IniText, ToleratesByteOrderMarkRepeatedSectionsAndArbitraryBytes)
{
    const std::string bytes("a\0b\xff\xfe", 5);
    const TIniFile ini = TIniFile::FromText("\xEF\xBB\xBF[s]\r\nfirst=1\r\n[x]\r\n[S]\r\nraw=" + bytes + "\r\n");
    EXPECT_EQ(ini.ReadString("s", "first", ""), "1");
    EXPECT_EQ(ini.ReadString("s", "raw", ""), bytes);
    EXPECT_EQ(ini.ToText(), "[s]\r\nfirst=1\r\nraw=" + bytes + "\r\n\r\n[x]\r\n\r\n");
}

} // namespace
} // namespace vornia
