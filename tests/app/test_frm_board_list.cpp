// The boards of the run: File-menu entries, switching and stepping, and the
// Save As and Open commands that rename and add boards.
#include <filesystem>

#include "test_frm_board_fake.h"

namespace vornia::test {
namespace {

class BoardList : public WindowTest {
protected:
    void StartRandom()
    {
        WriteIni("shape=random\r\nautoVersionCheck=0\r\n");
        Start();
    }
    std::string CurrentName() const { return Window->BoardPanel().BoardName(); }
    std::string ItemNameOf(const std::string& caption) const
    {
        for (const TMenuItem& item : FileMenu().Items)
            if (item.Caption == caption)
                return item.Name;
        return {};
    }
};

TEST_F(BoardList, ThreeBoardsGetOneSeparatorAndAnEntryEach)
{
    StartRandom();
    for (int i = 0; i < 3; ++i)
        Generate();
    EXPECT_EQ(BoardEntries(),
              (std::vector<std::string>{"-", "[New random 1]", "[New random 2]", "[New random 3] *"}));
    EXPECT_EQ(FileMenu().Items.back().Hint, "[New random 3]");
}

TEST_F(BoardList, KeysStepThroughTheBoardsInOrderAndWrapRound)
{
    StartRandom();
    for (int i = 0; i < 3; ++i)
        Generate();
    struct TStep {
        TKey Key;
        bool Alt;
        const char* Expected;
    };
    const TStep steps[] = {
        {TKey::F4, false, "[New random 1]"},   // wraps from the last
        {TKey::Left, true, "[New random 3]"},  // wraps from the first
        {TKey::Left, true, "[New random 2]"},
        {TKey::Right, true, "[New random 3]"},
        {TKey::F4, true, "[New random 1]"},    // F4 with any modifier
        {TKey::Left, false, "[New random 1]"}, // arrows need Alt
        {TKey::Right, false, "[New random 1]"},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Expected);
        Window->FormKeyDown(step.Key, step.Alt);
        EXPECT_EQ(CurrentName(), step.Expected);
        EXPECT_EQ(Window->Caption(), std::string("Hexlanders Of Vornia Board Generator ") + step.Expected);
        EXPECT_EQ(FileMenu().Items[static_cast<std::size_t>(FirstCheckedItem(FileMenu()))].Hint, step.Expected);
        EXPECT_TRUE(FileMenu().Enabled);
    }
    // The shape and land-mass panels show the settings, not the board.
    Window->EditableBoardSettings().Shape = "wolf";
    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(Panel(0), "shape: wolf");
    EXPECT_EQ(Window->ZoomPercent(), 100);
}

TEST_F(BoardList, KeysDoNothingWithOneBoardOrWhileTheFileMenuIsDisabled)
{
    StartRandom();
    Generate();
    const int repaints = Port.BoardRepaints;
    Window->FormKeyDown(TKey::F4, false);
    Window->FormKeyDown(TKey::Left, true);
    EXPECT_EQ(Port.BoardRepaints, repaints);
    EXPECT_EQ(CurrentName(), "[New random 1]");

    Generate();
    Window->EnableMenus(false);
    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(CurrentName(), "[New random 2]");
    EXPECT_FALSE(Window->FormKeyDown(TKey::Other, true));
}

TEST_F(BoardList, ChoosingAnEntrySwitchesToItsBoard)
{
    StartRandom();
    for (int i = 0; i < 3; ++i)
        Generate();
    Window->ClickMenuItem(ItemNameOf("[New random 1]"));
    EXPECT_EQ(CurrentName(), "[New random 1]");
    EXPECT_EQ(BoardEntries(),
              (std::vector<std::string>{"-", "[New random 1] *", "[New random 2]", "[New random 3]"}));

    // The current board's entry: the check mark only.
    const int repaints = Port.BoardRepaints;
    Window->ClickMenuItem(ItemNameOf("[New random 1]"));
    EXPECT_EQ(Port.BoardRepaints, repaints);
    EXPECT_EQ(CurrentName(), "[New random 1]");
}

TEST_F(BoardList, ABoardSwitchedToIsOnTheGridOfTheZoomInForce)
{
    StartRandom();
    Generate();
    const std::string firstStats = Panel(3);
    Generate();
    Window->ClickMenuItem(mnu::Fifty);
    // A board from a file at 75 per cent sets that zoom for every board.
    const std::string path = Folder.File("other.mirl");
    WriteText(path, "[settings]\r\nplate[0]=Grain;10;27;8;;;btNorthWest;\r\nplateCount=1\r\nzoomSize=75\r\n");
    Port.Files = {path};
    Window->ClickMenuItem(mnu::Open);
    ASSERT_EQ(Window->ZoomPercent(), 75);

    Window->ClickMenuItem(ItemNameOf("[New random 1]"));
    // Measured with the neighbour steps of 75 per cent: the same land mass as when made.
    EXPECT_EQ(Panel(3), firstStats);
    for (const auto& e : Window->BoardPanel().Plates().All())
        if (e.Plate.Placed) {
            EXPECT_EQ((e.Plate.X - 10) % 29, 0) << e.Plate.X;
            EXPECT_EQ((e.Plate.Y - 33) % 50, 0) << e.Plate.Y;
        }
}

TEST_F(BoardList, AfterAFailedBoardTheCurrentEntryBringsItsBoardBack)
{
    StartRandom();
    Generate();
    const int placed = Window->BoardPanel().PlacedPlateCount();
    Window->EditableBoardSettings().MassDensity = "high";
    Window->EditableBoardSettings().BrickCount = 2;
    for (auto count : {&TBoardSettings::GrainCount, &TBoardSettings::LumberCount, &TBoardSettings::OreCount,
                       &TBoardSettings::WoolCount, &TBoardSettings::DesertCount})
        Window->EditableBoardSettings().*count = 0;
    Generate();
    ASSERT_EQ(Window->BoardPanel().PlacedPlateCount(), 0);
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[New random 1] *"}));

    Window->ClickMenuItem(ItemNameOf("[New random 1]"));
    EXPECT_EQ(Window->BoardPanel().PlacedPlateCount(), placed);
    EXPECT_EQ(CurrentName(), "[New random 1]");
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New random 1]");
    EXPECT_EQ(Panel(0), "shape: random");
}

TEST_F(BoardList, SaveAsRenamesTheBoardWhichKeepsItsPlaceInTheOrder)
{
    StartRandom();
    for (int i = 0; i < 3; ++i)
        Generate();
    Window->ClickMenuItem(ItemNameOf("[New random 2]"));
    const std::string path = Folder.File("second.mirl");
    Port.Files = {path};
    Window->ClickMenuItem(mnu::SaveAs);
    EXPECT_TRUE(Port.Messages.empty());
    EXPECT_EQ(Port.FileDialogs.back().Filter, "mirl files (*.mirl)");
    EXPECT_EQ(Port.FileDialogs.back().DefaultSuffix, "mirl");
    EXPECT_EQ(CurrentName(), "[" + path + "]");
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [" + path + "]");
    EXPECT_EQ(BoardEntries(),
              (std::vector<std::string>{"-", "[New random 1]", "[" + path + "] *", "[New random 3]"}));
    EXPECT_NE(ReadText(path).find("era=hexlanders"), std::string::npos);

    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(CurrentName(), "[New random 3]");
    Window->FormKeyDown(TKey::Left, true);
    EXPECT_EQ(CurrentName(), "[" + path + "]");
}

TEST_F(BoardList, SavingTwiceToOneFileAsksBeforeOverwriting)
{
    StartRandom();
    Generate();
    const std::string path = Folder.File("board.mirl");
    Port.Files = {path, path, path};
    Window->ClickMenuItem(mnu::SaveAs);
    const std::string first = ReadText(path);

    WriteText(path, "[settings]\r\nmarker=1\r\n");
    Port.Messages.clear();
    Port.Answers = {TMsgAnswer::No};
    Window->ClickMenuItem(mnu::SaveAs);
    EXPECT_EQ(Port.MessageTexts(),
              std::vector<std::string>{"This board already exists. Overwrite existing board?"});
    EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(ReadText(path), "[settings]\r\nmarker=1\r\n");

    Port.Answers = {TMsgAnswer::Yes};
    Window->ClickMenuItem(mnu::SaveAs);
    EXPECT_EQ(ReadText(path), first);
    EXPECT_EQ(CurrentName(), "[" + path + "]");
    EXPECT_EQ(BoardEntries().size(), 2u);
}

TEST_F(BoardList, SaveAsRefusesWhatItCannotSave)
{
    struct TCase {
        const char* Name;
        bool Board;
        bool FailSecond;
        std::optional<std::string> File;
        std::vector<std::string> Messages;
    };
    const std::string missingFolder = Folder.File("no/such/folder/x.mirl");
    const TCase cases[] = {
        {"no board yet", false, false, Folder.File("a.mirl"), {"Please first generate a board."}},
        {"after a failed board", true, true, Folder.File("a.mirl"), {"Please first generate a board."}},
        {"dialog cancelled", true, false, std::nullopt, {}},
        {"folder missing", true, false, missingFolder, {"Sorry, could not save board."}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Port = TFakeWindowPort();
        WriteIni("shape=random\r\nautoVersionCheck=0\r\n");
        Start();
        if (c.Board)
            Generate();
        const std::string before = CurrentName();
        if (c.FailSecond) {
            Window->EditableBoardSettings().MassDensity = "high";
            Window->EditableBoardSettings().BrickCount = 2;
            for (auto count : {&TBoardSettings::GrainCount, &TBoardSettings::LumberCount, &TBoardSettings::OreCount,
                               &TBoardSettings::WoolCount, &TBoardSettings::DesertCount})
                Window->EditableBoardSettings().*count = 0;
            Generate();
            ASSERT_EQ(Panel(4), "Failed to create custom board. Please try again.");
        }
        Port.Files = {c.File};
        Window->ClickMenuItem(mnu::SaveAs);
        EXPECT_EQ(Port.MessageTexts(), c.Messages);
        EXPECT_EQ(CurrentName(), before);
        EXPECT_EQ(Folder.Names(), std::vector<std::string>{"VorniaGenerator.ini"});
        Window.reset();
    }
}

TEST_F(BoardList, ANameWithoutExtensionIsSavedAndNamedAsTheFileCreated)
{
    StartRandom();
    Generate();
    Port.Files = {Folder.File("plain")};
    Window->ClickMenuItem(mnu::SaveAs);
    const std::string created = Folder.File("plain.mirl");
    EXPECT_EQ(Folder.Names(), (std::vector<std::string>{"VorniaGenerator.ini", "plain.mirl"}));
    EXPECT_TRUE(Port.Messages.empty());
    EXPECT_EQ(CurrentName(), "[" + created + "]");
    EXPECT_NE(ReadText(created).find("plateCount="), std::string::npos);
}

TEST_F(BoardList, OpenReadsTheBoardAtItsOwnZoomAndAddsItToTheList)
{
    StartRandom();
    Generate();
    Window->ClickMenuItem(mnu::SeventyFive);
    std::vector<TResourcePlate> saved;
    for (const auto& e : Window->BoardPanel().Plates().All())
        if (e.Plate.Placed)
            saved.push_back(e.Plate);
    const std::string path = Folder.File("at75.mirl");
    Port.Files = {path};
    Window->ClickMenuItem(mnu::SaveAs);
    Window->ClickMenuItem(mnu::Hundred);
    Generate();

    Port.Files = {path};
    Window->ClickMenuItem(mnu::Open);
    EXPECT_EQ(Port.FileDialogs.back().StartFolder, std::filesystem::current_path().string());
    EXPECT_EQ(Window->ZoomPercent(), 75);
    EXPECT_EQ(CurrentName(), "[" + path + "]");
    EXPECT_EQ(Window->BoardPanel().Attempts(), 0);
    const TPlateList& plates = Window->BoardPanel().Plates();
    ASSERT_EQ(plates.Count(), static_cast<int>(saved.size()));
    for (int i = 0; i < plates.Count(); ++i) {
        EXPECT_EQ(plates[i].X, saved[static_cast<std::size_t>(i)].X);
        EXPECT_EQ(plates[i].Y, saved[static_cast<std::size_t>(i)].Y);
        EXPECT_EQ(plates[i].Kind, saved[static_cast<std::size_t>(i)].Kind);
    }
    EXPECT_EQ(Panel(0), "shape: random");
    EXPECT_EQ(Panel(4), OurVersionText);
    // Saving renamed board 1; opening the file finds that entry and makes it current.
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[" + path + "] *", "[New random 2]"}));
}

TEST_F(BoardList, ReopeningAFileInTheListAddsNoSecondEntryAndMovesTheCheckMark)
{
    StartRandom();
    const std::string path = Folder.File("kept.mirl");
    WriteText(path, "[settings]\r\nplate[0]=Grain;10;33;8;;;btNorthWest;\r\nplateCount=1\r\nzoomSize=100\r\n");
    Port.Files = {path};
    Window->ClickMenuItem(mnu::Open);
    Generate();
    Port.Files = {path};
    Window->ClickMenuItem(mnu::Open);
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[" + path + "] *", "[New random 1]"}));
    EXPECT_EQ(CurrentName(), "[" + path + "]");
    EXPECT_EQ(Window->BoardPanel().Plates().Count(), 1);
    // Stepping goes on from the reopened board.
    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(CurrentName(), "[New random 1]");
}

TEST_F(BoardList, OpenReportsWhatItCannotRead)
{
    StartRandom();
    Generate();
    std::filesystem::create_directory(Folder.File("folder.mirl"));
    struct TCase {
        std::optional<std::string> File;
        std::vector<std::string> Messages;
    };
    const TCase cases[] = {
        {std::nullopt, {}},
        {Folder.File("missing.mirl"), {"Sorry, could not find this board."}},
        {Folder.File("folder.mirl"), {"Could not open " + Folder.File("folder.mirl")}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File.value_or("cancelled"));
        Port.Messages.clear();
        Port.Files = {c.File};
        Window->ClickMenuItem(mnu::Open);
        EXPECT_EQ(Port.MessageTexts(), c.Messages);
        EXPECT_EQ(CurrentName(), "[New random 1]");
        EXPECT_EQ(BoardEntries().size(), 2u);
    }
}

} // namespace
} // namespace vornia::test
