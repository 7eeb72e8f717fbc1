// The whole board out of the window: Export Picture and Print Whole Board.
#include <filesystem>
#include <sstream>

#include "files/file_utils.h"
#include "test_frm_board_fake.h"

namespace vornia::test {
namespace {

using Pictures = WindowTest;

TEST(PictureMenu, ExportFollowsSaveAsAndPrintWholeBoardFollowsPrint)
{
    const TMainMenu menu = BuildMainMenu();
    std::vector<std::string> names;
    for (const TMenuItem& item : menu.Item(mnu::File).Items)
        names.push_back(item.Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"mnuMakeNewBoard", "mnuRefreshBoard", "N4", "mnuSaveAs", "mnuExportPicture",
                                        "mnuOpen", "N3", "mnuPrint", "mnuPrintWholeBoard", "N1", "mnuExit"}));
    EXPECT_EQ(menu.Item(mnu::ExportPicture).Caption, "Export Picture...");
    EXPECT_EQ(menu.Item(mnu::ExportPicture).ShortCut, "Ctrl+E");
    EXPECT_EQ(menu.Item(mnu::PrintWholeBoard).ShortCut, "Ctrl+Shift+P");
    // Ctrl+P keeps its own item.
    EXPECT_EQ(menu.Item(mnu::Print).ShortCut, "Ctrl+P");
}

TEST_F(Pictures, ExportWritesTheChosenFormatAtTheWindowsZoomAndColourMode)
{
    struct TCase {
        const char* Name;
        const char* Ini;
        std::optional<std::string> Chosen;    // nullopt: the dialog is cancelled
        std::optional<TPictureFormat> Format; // nullopt: nothing is written
        std::vector<std::string> Messages;
        int Zoom;
        bool BlackAndWhite;
    };
    const std::string rename(PictureNameText);
    const TCase cases[] = {
        {"png in colour", "", "board.png", TPictureFormat::Png, {}, 100, false},
        {"svg at 50 in black and white",
         "zoomSize=50\r\nblackAndWhite=1\r\n",
         "board.svg",
         TPictureFormat::Svg,
         {},
         50,
         true},
        {"pdf named in capitals at 75", "zoomSize=75\r\n", "Board.PDF", TPictureFormat::Pdf, {}, 75, false},
        {"cancelled", "", std::nullopt, std::nullopt, {}, 0, false},
        {"an extension of no picture", "", "board.jpg", std::nullopt, {rename}, 0, false},
        {"a dot only in the folder", "", "boards.d/board", std::nullopt, {rename}, 0, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Port = TFakeWindowPort();
        WriteIni(std::string("autoVersionCheck=0\r\n") + c.Ini);
        Start();
        Generate();
        Port.Files = {c.Chosen};
        Window->ClickMenuItem(mnu::ExportPicture);

        ASSERT_EQ(Port.FileDialogs.size(), 1u);
        EXPECT_EQ(Port.FileDialogs[0].Filter, "PNG pictures (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)");
        EXPECT_EQ(Port.FileDialogs[0].DefaultSuffix, "png");
        EXPECT_TRUE(Port.FileDialogs[0].ConfirmOverwrite);
        EXPECT_EQ(Port.FileDialogs[0].Title, "Export Picture");
        EXPECT_EQ(Port.MessageTexts(), c.Messages);
        if (!c.Format) {
            EXPECT_TRUE(Port.Exports.empty());
            Window.reset();
            continue;
        }
        ASSERT_EQ(Port.Exports.size(), 1u);
        const TPictureCall& call = Port.Exports[0];
        EXPECT_EQ(call.Path, FullPath(*c.Chosen));
        EXPECT_EQ(call.Format, *c.Format);
        EXPECT_EQ(call.Zoom, c.Zoom);
        EXPECT_EQ(call.BlackAndWhite, c.BlackAndWhite);
        EXPECT_EQ(call.PlacedPlates, Window->BoardPanel().PlacedPlateCount());
        EXPECT_GT(call.PlacedPlates, 0);
        Window.reset();
    }
}

// The export dialog proposes the board's name in the folder and format of the
// last export, which the settings file keeps once there has been one.
TEST_F(Pictures, TheExportDialogRemembersTheFolderAndFormatAcrossRuns)
{
    const std::string pictures = Folder.File("pictures"), gone = Folder.File("gone");
    ASSERT_TRUE(std::filesystem::create_directory(pictures));
    WriteText(Folder.File("x.mirl"), "[settings]\r\nplate[0]=Ore;10;33;6;;;;\r\nplateCount=1\r\n");
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).string();
    struct TRow {
        const char* Name;
        std::string Ini;
        bool Open; // the board comes from x.mirl rather than F1
        std::string Folder, Proposed;
        int Filter;
        std::optional<std::string> Chosen;
        std::string Kept; // the export keys of the settings file after closing
    };
    const TRow rows[] = {
        {"first export", "", false, "", "New traditional 1.png", 0, pictures + "/b.svg",
         "exportFolder=" + pictures + "\r\nexportFormat=svg\r\n"},
        {"remembered", "exportFolder=" + pictures + "\r\nexportFormat=PDF\r\n", false, pictures,
         "New traditional 1.pdf", 2, std::nullopt, "exportFolder=" + pictures + "\r\nexportFormat=pdf\r\n"},
        {"a folder gone, a format unknown", "exportFolder=" + gone + "\r\nexportFormat=gif\r\n", true, current, "x.png",
         0, std::nullopt, "exportFolder=" + current + "\r\nexportFormat=png\r\n"},
        {"cancelled", "", true, "", "x.png", 0, std::nullopt, ""},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        Port = TFakeWindowPort();
        WriteIni("autoVersionCheck=0\r\n" + row.Ini);
        Start();
        if (row.Open) {
            Port.Files = {Folder.File("x.mirl")};
            Window->ClickMenuItem(mnu::Open);
        } else {
            Generate();
        }
        Port.Files = {row.Chosen};
        Port.FileDialogs.clear();
        Window->ClickMenuItem(mnu::ExportPicture);
        ASSERT_EQ(Port.FileDialogs.size(), 1u);
        EXPECT_EQ(Port.FileDialogs[0].StartFolder, row.Folder);
        EXPECT_EQ(Port.FileDialogs[0].FileName, row.Proposed);
        EXPECT_EQ(Port.FileDialogs[0].FilterIndex, row.Filter);
        Window->FormClose();
        Window.reset();
        // The two keys as lines, in the file's order.
        std::string kept;
        std::istringstream ini(ReadText(IniPath()));
        for (std::string line; std::getline(ini, line);)
            if (line.starts_with("exportFolder=") || line.starts_with("exportFormat="))
                kept += line + "\n";
        EXPECT_EQ(kept, row.Kept);
    }
}

TEST_F(Pictures, WithoutAPlacedBoardNothingIsExportedOrPreviewed)
{
    struct TCase {
        const char* Name;
        std::string_view Item;
        std::string Message;
    };
    const TCase cases[] = {
        {"export", mnu::ExportPicture, "There is no board to export."},
        {"print whole board", mnu::PrintWholeBoard, "There is no board to print."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        // Before any board, and after a random board that failed: its plates
        // are in the panel but none is placed.
        for (const bool failedBoard : {false, true}) {
            Port = TFakeWindowPort();
            WriteIni(failedBoard ? "autoVersionCheck=0\r\nshape=random\r\nmassDensity=high\r\nBrick=2\r\n"
                                   "Grain=0\r\nLumber=0\r\nOre=0\r\nWool=0\r\nDesert=0\r\n"
                                 : "autoVersionCheck=0\r\n");
            Start();
            if (failedBoard) {
                Generate();
                ASSERT_FALSE(Window->BoardPanel().Plates().Empty());
            }
            Port.Files = {"board.png"};
            Window->ClickMenuItem(c.Item);
            ASSERT_EQ(Port.Messages.size(), 1u);
            EXPECT_EQ(Port.Messages[0].Text, c.Message);
            EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Information);
            EXPECT_TRUE(Port.FileDialogs.empty());
            EXPECT_TRUE(Port.Exports.empty());
            EXPECT_TRUE(Port.Previews.empty());
            Window.reset();
        }
    }
}

TEST_F(Pictures, AFailedExportIsReportedWithItsReason)
{
    WriteIni("autoVersionCheck=0\r\n");
    Start();
    Generate();
    Port.Files = {"board.png"};
    Port.ExportError = "The board's picture would be 20000 x 300 pixels";
    Window->ClickMenuItem(mnu::ExportPicture);
    ASSERT_EQ(Port.Messages.size(), 1u);
    EXPECT_EQ(Port.Messages[0].Kind, TMsgKind::Error);
    EXPECT_NE(Port.Messages[0].Text.find(Port.ExportError), std::string::npos);
}

TEST_F(Pictures, PrintWholeBoardPreviewsInTheWindowsModeWithoutAsking)
{
    for (const bool blackAndWhite : {false, true}) {
        SCOPED_TRACE(blackAndWhite ? "black and white" : "colour");
        Port = TFakeWindowPort();
        WriteIni(std::string("autoVersionCheck=0\r\nzoomSize=75\r\n") + (blackAndWhite ? "blackAndWhite=1\r\n" : ""));
        Start();
        Generate();
        Window->ClickMenuItem(mnu::PrintWholeBoard);
        EXPECT_TRUE(Port.Messages.empty());
        EXPECT_EQ(Port.Prints, 0);
        ASSERT_EQ(Port.Previews.size(), 1u);
        EXPECT_EQ(Port.Previews[0].Zoom, 75);
        EXPECT_EQ(Port.Previews[0].BlackAndWhite, blackAndWhite);
        EXPECT_EQ(Port.Previews[0].PlacedPlates, Window->BoardPanel().PlacedPlateCount());
        Window.reset();
    }
}

// Labels In My Language is off at first; on, it reaches the window's
// picture, the exported one and the preview, and the settings keep it.
TEST_F(Pictures, LocalLabelsReachEveryPictureOfTheWindow)
{
    WriteIni("autoVersionCheck=0\r\n");
    Start();
    Generate();
    EXPECT_FALSE(Window->Menu().Item(mnu::LocalLabels).Checked);
    const int repaints = Port.BoardRepaints;
    Window->ClickMenuItem(mnu::LocalLabels);
    EXPECT_TRUE(Window->Menu().Item(mnu::LocalLabels).Checked);
    EXPECT_TRUE(Window->LocalLabels());
    EXPECT_GT(Port.BoardRepaints, repaints);

    Port.Files = {"board.svg"};
    Window->ClickMenuItem(mnu::ExportPicture);
    Window->ClickMenuItem(mnu::PrintWholeBoard);
    ASSERT_EQ(Port.Exports.size(), 1u);
    ASSERT_EQ(Port.Previews.size(), 1u);
    EXPECT_TRUE(Port.Exports[0].LocalLabels);
    EXPECT_TRUE(Port.Previews[0].LocalLabels);
    Window->FormClose();
    EXPECT_NE(ReadText(IniPath()).find("localLabels=1\r\n"), std::string::npos);
}

} // namespace
} // namespace vornia::test
