#include "files/board_file.h"

#include <chrono>

#include <gtest/gtest.h>

namespace vornia {
namespace {

TResourcePlate MakePlate(std::string kind, std::int32_t x, std::int32_t y, std::string number = "",
                         std::string resource = "", std::string ratio = "", TBorderType side = btNorthWest)
{
    TResourcePlate plate;
    plate.Kind = std::move(kind);
    plate.X = x;
    plate.Y = y;
    plate.Number = std::move(number);
    plate.TradeResource = std::move(resource);
    plate.TradeRatio = std::move(ratio);
    plate.Border = side;
    plate.Placed = true;
    SetPlateColors(plate);
    return plate;
}

TBoardFileContent ReadText(const std::string& text)
{
    return ReadBoard(TIniFile::FromText(text));
}

TEST(BoardFile, WritesPlateValuesFieldByField)
{
    EXPECT_EQ(PlateValue(MakePlate("Grain", 130, 45, "8")), "Grain;130;45;8;;;btNorthWest;");
    EXPECT_EQ(PlateValue(MakePlate("Water", 210, 113, "", "Ore", "2:1", btEast)), "Water;210;113;;Ore;2:1;btEast;");
    EXPECT_EQ(PlateValue(MakePlate("Water", -39, 0, "", "    ?", "3:1", btNone)), "Water;-39;0;;    ?;3:1;;");
}

TEST(BoardFile, ReadsEachPlateValueWithTheFieldReaders)
{
    struct TCase {
        const char* Value;
        TResourcePlate Expected;
    };
    const TCase cases[] = {
        {"Grain;130;45;8;;;btNorthWest;", MakePlate("Grain", 130, 45, "8")},
        {"Water;210;113;;Ore;2:1;btEast;", MakePlate("Water", 210, 113, "", "Ore", "2:1", btEast)},
        {"Wool;1;2;3;;;btEast", MakePlate("Wool", 1, 2, "3", "", "", btNone)},
        {"Ore;12;", MakePlate("Ore", 12, 0, "", "", "", btNone)},
        {"Brick;x;-7;;;;BTWEST;", MakePlate("Brick", 0, -7, "", "", "", btWest)},
        {"Lumber;2147483648;1.5;;;;south;", MakePlate("Lumber", 0, 0, "", "", "", btNone)},
        {"", MakePlate("", 0, 0, "", "", "", btNone)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Value);
        const auto board = ReadText(std::string("[settings]\r\nplateCount=1\r\nplate[0]=") + c.Value + "\r\n");
        ASSERT_EQ(board.Plates->Count(), 1);
        EXPECT_EQ((*board.Plates)[0], c.Expected);
        EXPECT_EQ(board.Plates->Text(0), c.Expected.Kind);
    }
}

TEST(BoardFile, FieldReadersKeepTheFieldWithoutASeparatorOrANumber)
{
    struct TCase {
        const char* Text;
        std::int32_t ExpectedNumber;
        const char* ExpectedText;
        const char* ExpectedRest;
    };
    const TCase cases[] = {
        {"12;rest", 12, "12", "rest"},
        {"x;rest", 7, "x", "rest"},
        {";", 7, "", ""},
        {"12", 7, "old", "12"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        std::string_view rest = c.Text;
        std::int32_t number = 7;
        NextIntField(rest, number);
        EXPECT_EQ(number, c.ExpectedNumber);
        EXPECT_EQ(rest, c.ExpectedRest);
        rest = c.Text;
        std::string text = "old";
        NextTextField(rest, text);
        EXPECT_EQ(text, c.ExpectedText);
        EXPECT_EQ(rest, c.ExpectedRest);
    }
}

TEST(BoardFile, SavesOnlyPlacedPlatesNumberedWithoutGaps)
{
    TPlateList plates;
    plates.Add("Grain", MakePlate("Grain", 130, 45, "8"));
    TResourcePlate loose = MakePlate("Ore", 5, 5, "6");
    loose.Placed = false;
    plates.Add("Ore", loose);
    plates.Add("Water", MakePlate("Water", 210, 113, "", "Ore", "2:1", btEast));

    TIniFile ini = TIniFile::FromText("[old]\r\nleft=over\r\n");
    WriteBoard(ini, plates, 75);
    EXPECT_EQ(ini.ToText(), "[settings]\r\nplate[0]=Grain;130;45;8;;;btNorthWest;\r\n"
                            "plate[1]=Water;210;113;;Ore;2:1;btEast;\r\n"
                            "plateCount=2\r\nzoomSize=75\r\nera=hexlanders\r\n\r\n");

    const auto board = ReadText(ini.ToText());
    EXPECT_EQ(board.Zoom, 75);
    ASSERT_EQ(board.Plates->Count(), 2);
    EXPECT_EQ((*board.Plates)[0], plates[0]);
    EXPECT_EQ((*board.Plates)[1], plates[2]);
    EXPECT_EQ(board.Plates->PlacedCount(), 2);
}

TEST(BoardFile, ReadsZoomAndPlateCountLeniently)
{
    const std::string plates = "plate[0]=Grain;1;1;;;;;\r\nplate[1]=Ore;2;2;;;;;\r\n";
    struct TCase {
        const char* Zoom;
        const char* Count;
        int ExpectedZoom;
        int ExpectedCount;
    };
    const TCase cases[] = {
        {"50", "2", 50, 2},     {"75", "1", 75, 1},     {"100", "0", 100, 0}, {"60", "-1", 100, 0},
        {"x", "two", 100, 0},   {"", "", 100, 0},       {"50", "5", 50, 5},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Zoom) + "/" + c.Count);
        const auto board = ReadText("[settings]\r\n" + plates + "zoomSize=" + c.Zoom + "\r\nplateCount=" + c.Count);
        EXPECT_EQ(board.Zoom, c.ExpectedZoom);
        ASSERT_EQ(board.Plates->Count(), c.ExpectedCount);
        // Keys beyond those present give placed plates with empty kind at 0, 0.
        for (int i = 2; i < c.ExpectedCount; ++i)
            EXPECT_EQ((*board.Plates)[i], MakePlate("", 0, 0, "", "", "", btNone));
    }
    EXPECT_EQ(ReadText("").Zoom, 100);
    EXPECT_EQ(ReadText("").Plates->Count(), 0);
}

TEST(BoardFile, AHugePlateCountIsBoundedByTheFileSize)
{
    const auto start = std::chrono::steady_clock::now();
    const auto board = ReadText("[settings]\r\nplate[0]=Wool;78;0;5;;;;\r\nplateCount=2147483647\r\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    ASSERT_GT(board.Plates->Count(), 1);
    EXPECT_LE(board.Plates->Count(), 20'000);
    EXPECT_EQ((*board.Plates)[0].Kind, "Wool");
    EXPECT_EQ((*board.Plates)[board.Plates->Count() - 1], MakePlate("", 0, 0, "", "", "", btNone));
}

} // namespace
} // namespace vornia
