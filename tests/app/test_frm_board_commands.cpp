// The main window's commands: generation, status bar, zoom, black and white,
// printing, the version check and the debug menu.
#include "test_frm_board_fake.h"

#include <algorithm>

#include "board/fair_rules.h"

namespace vornia::test {
namespace {

using Commands = WindowTest;

TEST_F(Commands, GenerateShowsPleaseWaitThenRunsWithMenusDisabledThenShowsTheStatistics)
{
    Start();
    Window->ClickMenuItem(mnu::MakeNewBoard);
    EXPECT_EQ(Panel(0), "Please Wait...");
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(Panel(i), "") << i;
    EXPECT_EQ(Panel(4), OurVersionText);
    EXPECT_EQ(Port.Timers.at(TWindowTimer::MakeBoard), 10);
    EXPECT_EQ(Port.BoardRepaints, 0);

    bool filesEnabledWhilePainting = true;
    bool optionsEnabledWhilePainting = true;
    Port.OnRepaintBoard = [&] {
        filesEnabledWhilePainting = FileMenu().Enabled;
        optionsEnabledWhilePainting = Window->Menu().Item(mnu::Options).Enabled;
    };
    ASSERT_TRUE(Port.Fire(*Window, TWindowTimer::MakeBoard));
    EXPECT_FALSE(Port.Timers.count(TWindowTimer::MakeBoard));
    EXPECT_EQ(Port.BoardRepaints, 1);
    EXPECT_FALSE(filesEnabledWhilePainting);
    EXPECT_FALSE(optionsEnabledWhilePainting);
    EXPECT_TRUE(FileMenu().Enabled);
    EXPECT_TRUE(Window->Menu().Item(mnu::Options).Enabled);

    // The traditional board: 19 land tiles in a hexagon, 9 plain waters.
    EXPECT_EQ(Panel(0), "shape: traditional");
    EXPECT_EQ(Panel(1), "plain waters: 9");
    EXPECT_EQ(Panel(2), "land mass: any");
    EXPECT_EQ(Panel(3), "mass stats: 1.89 - 4.42 - 4.42  (high)");
    EXPECT_EQ(Panel(4), OurVersionText);
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New traditional 1]");
    EXPECT_EQ(Port.Caption, Window->Caption());
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[New traditional 1] *"}));
}

// What a board made, a board that failed, a board opened and a board switched
// to show, in the order the window shows it.
TEST_F(Commands, BoardsAreShownInAFixedOrder)
{
    Start();
    const std::string title = std::string(WindowCaption) + " ";
    auto shownBy = [this](const std::function<void()>& action) {
        Port.Shown.clear();
        action();
        return Port.Shown;
    };
    using TShown = std::vector<std::string>;
    EXPECT_EQ(shownBy([this] { Generate(); }),
              (TShown{"status", "menus", "caption " + title, "caption " + title + "[New traditional 1]", "menus",
                      "status", "paint", "menus"}));

    Window->EditableBoardSettings().Fair.NoAdjacentResource = true;
    Window->EditableBoardSettings().Shape = "random";
    SetAllCounts(Window->EditableBoardSettings(), 0);
    Window->EditableBoardSettings().BrickCount = 2;
    EXPECT_EQ(shownBy([this] { Generate(); }), (TShown{"status", "menus", "caption " + title, "status", "menus"}));
    EXPECT_EQ(Panel(4), "No arrangement of these pieces meets the fair-board rules.");
    EXPECT_EQ(Window->Caption(), title);

    const std::string path = Folder.File("board.mirl");
    WriteText(path, "[settings]\r\nplate[0]=Ore;10;33;6;;;btNorthWest;\r\nplateCount=1\r\nzoomSize=75\r\n");
    Port.Files = {path};
    EXPECT_EQ(shownBy([this] { Window->ClickMenuItem(mnu::Open); }),
              (TShown{"status", "menus", "caption " + title + "[" + path + "]", "menus", "status", "paint"}));
    EXPECT_EQ(Window->BoardPanel().Zoom(), 75);

    EXPECT_EQ(shownBy([this] { Window->FormKeyDown(TKey::F4, false); }),
              (TShown{"menus", "menus", "caption " + title + "[New traditional 1]", "status", "paint", "menus"}));
    EXPECT_EQ(Panel(0), "shape: random (fair)"); // the settings' shape, with a fair-board rule on
}

TEST_F(Commands, TheStatusBarFollowsTheSettingsAndTheDebugMode)
{
    struct TCase {
        const char* Ini;
        std::string Panel2;
        std::string Panel3End;
        std::string Panel4;
    };
    const TCase cases[] = {
        {"", "land mass: any", "4.42  (high)", OurVersionText},
        {"massDensity=high\r\n", "land mass: high", "- 4.42", OurVersionText},
        {"massDensity=ANY\r\n", "land mass: ANY", "4.42  (high)", OurVersionText},
        {"debug=1\r\n", "land mass: any", "4.42  (high)", "Attempts: 0"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Ini);
        Port = TFakeWindowPort();
        WriteIni(c.Ini);
        Start();
        Generate();
        EXPECT_EQ(Panel(2), c.Panel2);
        const std::string p3 = Panel(3);
        EXPECT_EQ(p3.substr(p3.size() - c.Panel3End.size()), c.Panel3End) << p3;
        EXPECT_EQ(Panel(4), c.Panel4);
        Window.reset();
    }
}

TEST_F(Commands, AFailedRandomBoardLeavesTheFailureTextAndTakesNoNumber)
{
    WriteIni("shape=random\r\nmassDensity=high\r\nBrick=2\r\nGrain=0\r\nLumber=0\r\nOre=0\r\nWool=0\r\n"
             "Desert=0\r\ndebug=1\r\n");
    Start();
    Generate();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Panel(i), "") << i;
    EXPECT_EQ(Panel(4), "Failed to create custom board. Please try again.");
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator ");
    EXPECT_TRUE(BoardEntries().empty());
    EXPECT_TRUE(FileMenu().Enabled);

    // The next good board takes the first number; debug mode shows the tries.
    Window->EditableBoardSettings().MassDensity = "any";
    Generate();
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New random 1]");
    EXPECT_EQ(Panel(4), "Attempts: 1");
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[New random 1] *"}));
}

TEST_F(Commands, ZoomMovesTheBoardOntoTheNewGridUnlessAlreadyChosen)
{
    Start();
    Generate();
    const TPlateList& plates = Window->BoardPanel().Plates();
    const int first = plates.FirstPlaced();
    std::int32_t minX = 1000, minY = 1000, maxX = -1000;
    for (const auto& e : plates.All())
        if (e.Plate.Placed) {
            minX = std::min(minX, e.Plate.X);
            minY = std::min(minY, e.Plate.Y);
            maxX = std::max(maxX, e.Plate.X);
        }
    ASSERT_GE(first, 0);

    const int repaints = Port.BoardRepaints;
    const int menuChanges = Port.MenuChanges;
    Window->ClickMenuItem(mnu::Hundred); // already checked: nothing at all
    EXPECT_EQ(Port.BoardRepaints, repaints);
    EXPECT_EQ(Port.MenuChanges, menuChanges);

    Window->ClickMenuItem(mnu::Fifty);
    EXPECT_EQ(Window->ZoomPercent(), 50);
    EXPECT_TRUE(Window->Menu().Item(mnu::Fifty).Checked);
    EXPECT_FALSE(Window->Menu().Item(mnu::Hundred).Checked);
    EXPECT_EQ(Port.BoardRepaints, repaints + 1);
    EXPECT_TRUE(FileMenu().Enabled);
    // The corner stays; the width shrinks from 39 to 19 pixels per half hex.
    std::int32_t newMinX = 1000, newMaxX = -1000, newMinY = 1000;
    for (const auto& e : plates.All())
        if (e.Plate.Placed) {
            newMinX = std::min(newMinX, e.Plate.X);
            newMinY = std::min(newMinY, e.Plate.Y);
            newMaxX = std::max(newMaxX, e.Plate.X);
        }
    EXPECT_EQ(newMinX, minX);
    EXPECT_EQ(newMinY, minY);
    EXPECT_EQ(newMaxX - newMinX, (maxX - minX) / 39 * 19);
}

TEST_F(Commands, ZoomWithoutABoardChangesOnlyTheMenu)
{
    Start();
    Window->ClickMenuItem(mnu::SeventyFive);
    EXPECT_EQ(Window->ZoomPercent(), 75);
    EXPECT_EQ(Port.BoardRepaints, 0);
}

TEST_F(Commands, BlackAndWhiteHidesTheStatusBarWhileOn)
{
    Start();
    Window->ClickMenuItem(mnu::BlackAndWhite);
    EXPECT_TRUE(Window->Menu().Item(mnu::BlackAndWhite).Checked);
    EXPECT_TRUE(Window->BlackAndWhite());
    EXPECT_FALSE(Port.StatusBarVisible);
    EXPECT_FALSE(Window->StatusBar().Visible);
    Window->ClickMenuItem(mnu::BlackAndWhite);
    EXPECT_FALSE(Window->BlackAndWhite());
    EXPECT_TRUE(Port.StatusBarVisible);
}

TEST_F(Commands, PrintAsksAboutColourOnlyWhenThereIsABoardInColour)
{
    struct TCase {
        const char* Name;
        bool Board;
        bool BlackAndWhite;
        TMsgAnswer Answer;
        std::vector<std::string> Messages;
        int Prints;
    };
    const std::string colour = "Are you sure you want to print this in color?";
    const TCase cases[] = {
        {"no board", false, false, TMsgAnswer::Yes, {"There is no board to print."}, 0},
        {"colour refused", true, false, TMsgAnswer::No, {colour}, 0},
        {"colour accepted", true, false, TMsgAnswer::Yes, {colour}, 1},
        {"black and white", true, true, TMsgAnswer::No, {}, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Port = TFakeWindowPort();
        WriteIni("autoVersionCheck=0\r\n");
        Start();
        if (c.Board)
            Generate();
        if (c.BlackAndWhite)
            Window->ClickMenuItem(mnu::BlackAndWhite);
        Port.Answers = {c.Answer};
        Window->ClickMenuItem(mnu::Print);
        EXPECT_EQ(Port.MessageTexts(), c.Messages);
        EXPECT_EQ(Port.Prints, c.Prints);
        if (!c.Messages.empty()) {
            EXPECT_EQ(Port.Messages[0].Kind, c.Board ? TMsgKind::Confirmation : TMsgKind::Information);
        }
        Window.reset();
    }
}

TEST_F(Commands, APrinterFailureIsReported)
{
    WriteIni("autoVersionCheck=0\r\nblackAndWhite=1\r\n");
    Start();
    Generate();
    Port.PrintError = "no default printer";
    Window->ClickMenuItem(mnu::Print);
    ASSERT_EQ(Port.Messages.size(), 1u);
    EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Error);
    EXPECT_NE(Port.Messages[0].Text.find("no default printer"), std::string::npos);
}

TEST_F(Commands, TheOptionsDialogEditsTheSettingsTheNextBoardUses)
{
    Start();
    Port.OnOptions = [](TBoardSettings& s) {
        s.Shape = "cross";
        return true;
    };
    Window->ClickMenuItem(mnu::CustomShape);
    EXPECT_EQ(Port.OptionsShown, 1);
    Generate();
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New cross 1]");
    EXPECT_EQ(Panel(0), "shape: cross");
}

TEST_F(Commands, TheAutoCheckItemStartsACheckOnlyWhenTurnedOn)
{
    Start(); // answered No
    EXPECT_EQ(Window->AutoVersionCheck(), 0);
    Window->ClickMenuItem(mnu::AutoVersionCheck);
    EXPECT_EQ(Window->AutoVersionCheck(), 1);
    EXPECT_TRUE(Window->Menu().Item(mnu::AutoVersionCheck).Checked);
    EXPECT_EQ(Port.Socket.Opened.size(), 1u);
    Window->ClickMenuItem(mnu::AutoVersionCheck);
    EXPECT_EQ(Window->AutoVersionCheck(), 0);
    EXPECT_EQ(Port.Socket.Opened.size(), 1u);
    EXPECT_TRUE(Port.Socket.Open); // a running check is not stopped
}

TEST_F(Commands, ANewerVersionFillsTheLastPanelInBoldWhiteOnDarkRed)
{
    Start();
    Window->ClickMenuItem(mnu::AutoVersionCheck);
    TVersionCheck* check = Port.Attached;
    ASSERT_NE(check, nullptr);
    check->sokVersionWrite();
    EXPECT_EQ(Port.Socket.Sent, "GET /vorniagenerator.txt HTTP/1.1\r\nHost: www.vornia.example\r\n\r\n");
    const TColor grey = 0xF0F0F0;
    EXPECT_FALSE(Window->StatusPanelStyle(4, clBlack, grey).Highlighted);

    Port.Socket.Answer = "HTTP/1.1 200 OK\r\n\r\nvorniageneratorversion=1.7";
    check->sokVersionRead();
    EXPECT_EQ(Panel(4), " Version 1.7 is available");
    const TPanelStyle style = Window->StatusPanelStyle(4, clBlack, grey);
    EXPECT_TRUE(style.Bold);
    EXPECT_EQ(style.FontColor, clWhite);
    EXPECT_EQ(style.BrushColor, RgbColor(128, 0, 0));
    EXPECT_FALSE(Window->StatusPanelStyle(3, clBlack, grey).Highlighted);
    EXPECT_EQ(Window->StatusPanelStyle(3, clBlack, grey).BrushColor, grey);

    // It stays through the next board.
    Generate();
    EXPECT_EQ(Panel(4), " Version 1.7 is available");
}

TEST_F(Commands, TheDebugMenuShowsTheMemAndListsThePlacedPlates)
{
    Start();
    Window->ClickMenuItem(mnu::ToggleMem); // hidden menu: not reachable
    EXPECT_FALSE(Window->MemVisible());

    Window.reset();
    Port = TFakeWindowPort();
    WriteIni("debug=1\r\nautoVersionCheck=0\r\n");
    Start();
    EXPECT_TRUE(Window->MemVisible());
    Window->ClickMenuItem(mnu::ToggleMem);
    EXPECT_FALSE(Port.MemVisible);
    Window->ClickMenuItem(mnu::ToggleMem);
    EXPECT_TRUE(Port.MemVisible);
    Generate();
    Window->ClickMenuItem(mnu::DebugFillMem);
    EXPECT_EQ(Port.MemLines.size(), 37u);
    Window->ClickMenuItem(mnu::DebugFillMem);
    EXPECT_EQ(Port.MemLines.size(), 37u); // cleared first
}

TEST_F(Commands, ExitAboutAndRefreshReachThePort)
{
    Start();
    Window->ClickMenuItem(mnu::About);
    EXPECT_EQ(Port.AboutHosts, std::vector<std::string>{"www.vornia.example"});
    Window->ClickMenuItem(mnu::RefreshBoard);
    EXPECT_EQ(Port.BoardRepaints, 1);
    Window->ClickMenuItem(mnu::Exit);
    EXPECT_EQ(Port.CloseRequests, 1);
}

TEST_F(Commands, MenusDisabledByAGenerationIgnoreTheirCommands)
{
    Start();
    Window->EnableMenus(false);
    Window->ClickMenuItem(mnu::Exit);
    Window->ClickMenuItem(mnu::BlackAndWhite);
    EXPECT_EQ(Port.CloseRequests, 0);
    EXPECT_FALSE(Window->BlackAndWhite());
}

} // namespace
} // namespace vornia::test

namespace vornia::test {
namespace {

using FairCommands = WindowTest;

TEST_F(FairCommands, TheRulesOfTheSettingsFileMakeAFairBoardWithItsBalanceAsTheHint)
{
    WriteIni("fairNoAdjacentRed=1\r\nfairNoAdjacentEqual=1\r\nfairNoAdjacentResource=1\r\n");
    Start();
    Generate();
    const std::string& hint = Window->StatusBar().Hint(MassStatsPanel);
    EXPECT_EQ(hint.rfind("balance: pips Brick=", 0), 0u) << hint;
    EXPECT_NE(hint.find("; pairs red=0 equal=0 resource=0"), std::string::npos) << hint;
    EXPECT_EQ(hint, BalanceLine(ComputeBalance(Window->BoardPanel().Plates(), 100)));
    for (int panel : {0, 1, 2, 4})
        EXPECT_EQ(Window->StatusBar().Hint(panel), "") << panel;
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New traditional 1]");
}

// Panel 0 says when a fair-board rule is on, for a made board and an opened
// one alike, and only then fits its text; "Please Wait..." has the panel's own width.
TEST_F(FairCommands, PanelZeroSaysFairAndFitsItsTextOnlyWhileARuleIsOn)
{
    WriteText(Folder.File("empty.mirl"), "[settings]\r\nplateCount=0\r\n");
    struct TRow {
        const char* Name;
        const char* Settings;
        bool Open;
        const char* Shown;
    };
    const TRow rows[] = {
        {"no rule", "shape=traditional\r\n", false, "shape: traditional"},
        {"red", "shape=traditional\r\nfairNoAdjacentRed=1\r\n", false, "shape: traditional (fair)"},
        {"pips", "shape=lesser great lakes\r\nfairBalancedPips=1\r\n", false, "shape: lesser great lakes (fair)"},
        {"opened, resource", "shape=cross\r\nfairNoAdjacentResource=1\r\n", true, "shape: cross (fair)"},
        {"opened, no rule", "shape=cross\r\n", true, "shape: cross"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        WriteIni(row.Settings);
        Start();
        if (row.Open) {
            Port.Files = {Folder.File("empty.mirl")};
            Window->ClickMenuItem(mnu::Open);
        } else
            Generate();
        EXPECT_EQ(Panel(0), row.Shown);
        const bool fair = std::string(row.Shown).ends_with(" (fair)");
        EXPECT_EQ(Window->StatusBar().Panels[0].FitsText, fair);
        EXPECT_EQ(Window->StatusBar().Panels[0].Width, 160);

        Window->ClickMenuItem(mnu::MakeNewBoard);
        EXPECT_EQ(Panel(0), "Please Wait...");
        EXPECT_FALSE(Window->StatusBar().Panels[0].FitsText);
        Window.reset();
    }
}

TEST_F(FairCommands, AnImpossibleFairBoardFailsAsARandomBoardDoesAndTakesNoNumber)
{
    WriteIni("shape=random\r\nBrick=2\r\nGrain=0\r\nLumber=0\r\nOre=0\r\nWool=0\r\nDesert=0\r\n");
    Start();
    Generate(); // a board without rules, whose hint then goes with the failure
    ASSERT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[New random 1] *"}));
    ASSERT_FALSE(Window->StatusBar().Hint(MassStatsPanel).empty());

    Window->EditableBoardSettings().Fair.NoAdjacentResource = true;
    Generate();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Panel(i), "") << i;
    EXPECT_EQ(Panel(4), "No arrangement of these pieces meets the fair-board rules.");
    EXPECT_EQ(Window->StatusBar().Hint(MassStatsPanel), "");
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator ");
    EXPECT_EQ(BoardEntries(), (std::vector<std::string>{"-", "[New random 1] *"}));
    EXPECT_EQ(Window->BoardPanel().Plates().PlacedCount(), 0); // nothing of it is drawn
    EXPECT_TRUE(FileMenu().Enabled);

    // The next board takes the next number.
    Window->EditableBoardSettings().Fair = {};
    Generate();
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New random 2]");
}

} // namespace
} // namespace vornia::test

namespace vornia::test {
namespace {

using CornerPipsCommands = WindowTest;

// The analysis summary of the board shown, as the statistics panel's tooltip ends.
std::string SummaryOf(const TfrmBoard& window)
{
    std::string text;
    for (const std::string& line : AnalysisSummary(AnalyseBoard(window.BoardPanel().Plates(), window.ZoomPercent())))
        text += "\n" + line;
    return text;
}

TEST_F(CornerPipsCommands, CtrlKShowsThePipsAndTheScoreWhichFollowTheBoardsAndIsKeptOnceChanged)
{
    Start();
    const TMenuItem& item = Window->Menu().Item(mnu::CornerPips);
    EXPECT_EQ(item.ShortCut, "Ctrl+K");
    EXPECT_FALSE(item.Checked);
    Generate();
    Window->BoardRandom().UseFixedClock(FixedClockMs + 1); // another board
    Generate();
    const std::string& hint = Window->StatusBar().Hint(MassStatsPanel);
    EXPECT_EQ(hint.find('\n'), std::string::npos) << hint;

    Window->ClickMenuItem(mnu::CornerPips);
    EXPECT_TRUE(Window->Menu().Item(mnu::CornerPips).Checked);
    EXPECT_TRUE(Window->ShowCornerPips());
    const std::string second = Window->StatusBar().Hint(MassStatsPanel);
    EXPECT_NE(second.find("\nScore: "), std::string::npos) << second;
    EXPECT_EQ(second.substr(second.find('\n')), SummaryOf(*Window));
    EXPECT_EQ(Window->CurrentAnalysis()->Corners.size(), 54u);

    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(Window->Caption(), "Hexlanders Of Vornia Board Generator [New traditional 1]");
    const std::string first = Window->StatusBar().Hint(MassStatsPanel);
    EXPECT_EQ(first.substr(first.find('\n')), SummaryOf(*Window));
    EXPECT_NE(first, second);
    Window->FormKeyDown(TKey::Left, true);
    EXPECT_EQ(Window->StatusBar().Hint(MassStatsPanel), second);

    // The exported picture and the print preview show them too.
    Port.Files = {"board.pdf"};
    Window->ClickMenuItem(mnu::ExportPicture);
    Window->ClickMenuItem(mnu::PrintWholeBoard);
    ASSERT_EQ(Port.Exports.size(), 1u);
    ASSERT_EQ(Port.Previews.size(), 1u);
    EXPECT_TRUE(Port.Exports[0].CornerPips);
    EXPECT_TRUE(Port.Previews[0].CornerPips);

    Window->FormClose();
    EXPECT_NE(ReadText(IniPath()).find("showCornerPips=1\r\n"), std::string::npos);
    Window.reset();
    Start();
    EXPECT_TRUE(Window->Menu().Item(mnu::CornerPips).Checked);
    Window->ClickMenuItem(mnu::CornerPips);
    Window->FormClose();
    EXPECT_NE(ReadText(IniPath()).find("showCornerPips=0\r\n"), std::string::npos);
}

TEST_F(CornerPipsCommands, UntouchedThePipsLeaveNoKeyInTheSettings)
{
    Start();
    Window->FormClose();
    EXPECT_EQ(ReadText(IniPath()).find("showCornerPips"), std::string::npos);
}

using LongSearches = WindowTest;

// A fair board of many pieces takes seconds to search for; the window that
// is closed meanwhile ends at once: the search stops, nothing of it is shown,
// and the settings are written as at any close.
TEST_F(LongSearches, ClosingTheWindowWhileABoardIsMadeStopsTheSearch)
{
    WriteIni("shape=random\r\nBrick=500\r\nGrain=500\r\nLumber=500\r\nOre=500\r\nWool=500\r\n"
             "pieSix=500\r\npieEight=500\r\npieFive=500\r\nfairNoAdjacentRed=1\r\n");
    Start();
    int checksAtClose = 0;
    Port.OnPendingEvents = [&] {
        if (Port.PendingEventChecks == 3) {
            checksAtClose = Port.PendingEventChecks;
            Window->FormClose(); // the window's close box
        }
    };
    const std::size_t shown = Port.Shown.size();
    Generate();
    EXPECT_EQ(checksAtClose, 3);
    EXPECT_LE(Port.PendingEventChecks, checksAtClose + 1) << "stopped once closed";
    EXPECT_TRUE(Window->BoardPanel().Registry().Boards().empty());
    EXPECT_NE(Panel(4), std::string(FairGaveUpText)) << "no failure text";
    EXPECT_EQ(std::count(Port.Shown.begin() + static_cast<std::ptrdiff_t>(shown), Port.Shown.end(), "paint"), 0);
    EXPECT_NE(ReadText(IniPath()).find("fairNoAdjacentRed=1"), std::string::npos);
    EXPECT_FALSE(Window->MakingBoard());
}

// A board that comes to the panel, made or switched to, is shown from its
// top-left corner; a new zoom or a refresh keeps the view where it is.
TEST_F(LongSearches, AnotherBoardIsShownFromItsTopLeftCorner)
{
    Start();
    Generate();
    EXPECT_EQ(Port.ScrollsHome, 1);
    Generate();
    Window->FormKeyDown(TKey::F4, false);
    EXPECT_EQ(Port.ScrollsHome, 3);
    Window->ClickMenuItem(mnu::Fifty);
    Window->ClickMenuItem(mnu::RefreshBoard);
    Window->ClickMenuItem(mnu::BlackAndWhite);
    EXPECT_EQ(Port.ScrollsHome, 3);
    EXPECT_EQ(Port.PendingEventChecks, 0) << "a traditional board needs no search";
}

} // namespace
} // namespace vornia::test
