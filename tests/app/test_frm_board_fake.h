// A recording window port for driving TfrmBoard without a toolkit, and a
// fixture that starts a window in a private folder.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/frm_board.h"
#include "board/random_source.h"
#include "net/version_check.h"
#include "program_version.h"
#include "tests/files/test_files.h"

namespace vornia::test {

// A picture the window asked for: what the request said, and how many
// placed plates its board had.
struct TPictureCall {
    std::string Path;
    TPictureFormat Format;
    int Zoom;
    bool BlackAndWhite;
    int PlacedPlates;
    bool LocalLabels = false;
    bool CornerPips = false;
};

// The fifth status panel of a run that found no newer version.
inline const std::string OurVersionText = " Version " + std::string(ProgramVersion);

struct TShownMessage {
    std::string Text;
    TMsgKind Kind;
    TMsgButtons Buttons;
};

class TFakeSocket : public TVersionSocketPort {
public:
    void OpenConnection(const std::string& host, int port) override
    {
        Opened.push_back(host + ":" + std::to_string(port));
        Open = true;
    }
    bool SendText(const std::string& text) override
    {
        Sent += text;
        return Open;
    }
    std::string ReceivedText(std::size_t maxBytes) override { return Answer.substr(0, maxBytes); }
    void CloseConnection() override { Open = false; }
    bool IsConnectionOpen() const override { return Open; }
    void StartTimer(int intervalMs) override { TimerMs = intervalMs; }
    void StopTimer() override { TimerMs = 0; }

    std::vector<std::string> Opened;
    std::string Sent;
    std::string Answer;
    bool Open = false;
    int TimerMs = 0;
};

class TFakeWindowPort : public TWindowPort {
public:
    TMsgAnswer MessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons) override
    {
        Messages.push_back({text, kind, buttons});
        Log.push_back("message: " + text);
        if (buttons == TMsgButtons::Ok)
            return TMsgAnswer::Ok;
        if (Answers.empty())
            return TMsgAnswer::No;
        const TMsgAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    bool ChooseSaveFile(const TFileDialogOptions& options, std::string& path) override
    {
        return Choose(options, path);
    }
    bool ChooseOpenFile(const TFileDialogOptions& options, std::string& path) override
    {
        return Choose(options, path);
    }
    void StartTimer(TWindowTimer timer, int intervalMs) override { Timers[timer] = intervalMs; }
    void StopTimer(TWindowTimer timer) override { Timers.erase(timer); }
    void SetCaption(const std::string& caption) override
    {
        Caption = caption;
        Shown.push_back("caption " + caption);
    }
    void SetWindowSize(TWindowSize size) override { Size = size; }
    TWindowSize WindowSize() const override { return Size; }
    void Maximize() override
    {
        ++Maximized;
        Log.push_back("maximize");
    }
    void CloseWindow() override { ++CloseRequests; }
    void RepaintBoard() override
    {
        ++BoardRepaints;
        Shown.push_back("paint");
        if (OnRepaintBoard)
            OnRepaintBoard();
    }
    void ScrollBoardHome() override { ++ScrollsHome; }
    void HandlePendingEvents() override
    {
        ++PendingEventChecks;
        if (OnPendingEvents)
            OnPendingEvents();
    }
    void RepaintStatusBar() override
    {
        ++StatusRepaints;
        Shown.push_back("status");
    }
    void SetStatusBarVisible(bool visible) override { StatusBarVisible = visible; }
    void MenusChanged() override
    {
        ++MenuChanges;
        Shown.push_back("menus");
    }
    void SetMemVisible(bool visible) override { MemVisible = visible; }
    void SetMemLines(const std::vector<std::string>& lines) override { MemLines = lines; }
    bool RunOptionsDialog(TBoardSettings& settings) override
    {
        ++OptionsShown;
        return OnOptions ? OnOptions(settings) : false;
    }
    void ShowAboutDialog(const std::string& host) override { AboutHosts.push_back(host); }
    bool PrintClientArea(std::string* error) override
    {
        ++Prints;
        if (!PrintError.empty() && error)
            *error = PrintError;
        return PrintError.empty();
    }
    bool ExportPicture(const TPictureRequest& request, std::string* error) override
    {
        Exports.push_back({request.Path, request.Format, request.Zoom, request.BlackAndWhite,
                           PlacedPlates(request.Plates), request.LocalLabels, request.CornerPips});
        if (!ExportError.empty() && error)
            *error = ExportError;
        return ExportError.empty();
    }
    void PreviewWholeBoard(const TPlateList& plates, int zoom, bool blackAndWhite, bool localLabels,
                           bool cornerPips) override
    {
        Previews.push_back(
            {{}, TPictureFormat::Pdf, zoom, blackAndWhite, PlacedPlates(plates), localLabels, cornerPips});
    }
    TVersionSocketPort& VersionSocket() override { return Socket; }
    void AttachVersionCheck(TVersionCheck* check) override { Attached = check; }

    // Fires a running timer as the toolkit would.
    bool Fire(TfrmBoard& window, TWindowTimer timer)
    {
        if (!Timers.count(timer))
            return false;
        window.TimerFired(timer);
        return true;
    }
    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& m : Messages)
            texts.push_back(m.Text);
        return texts;
    }

    std::vector<TShownMessage> Messages;
    std::deque<TMsgAnswer> Answers;
    // Paths the file choosers return in turn; nullopt cancels.
    std::deque<std::optional<std::string>> Files;
    std::vector<TFileDialogOptions> FileDialogs;
    std::map<TWindowTimer, int> Timers;
    std::string Caption;
    TWindowSize Size;
    int Maximized = 0;
    int CloseRequests = 0;
    int BoardRepaints = 0;
    std::function<void()> OnRepaintBoard;
    int ScrollsHome = 0;
    int PendingEventChecks = 0;
    std::function<void()> OnPendingEvents; // what arrives while a board is being made
    int StatusRepaints = 0;
    bool StatusBarVisible = true;
    int MenuChanges = 0;
    bool MemVisible = false;
    std::vector<std::string> MemLines;
    int OptionsShown = 0;
    std::function<bool(TBoardSettings&)> OnOptions;
    std::vector<std::string> AboutHosts;
    int Prints = 0;
    std::string PrintError;
    std::vector<TPictureCall> Exports;
    std::string ExportError;
    std::vector<TPictureCall> Previews;
    TFakeSocket Socket;
    TVersionCheck* Attached = nullptr;
    std::vector<std::string> Log;
    // Caption, status bar, menu and board updates in the order they came.
    std::vector<std::string> Shown;

private:
    static int PlacedPlates(const TPlateList& plates)
    {
        int placed = 0;
        for (const TPlateEntry& entry : plates.All())
            placed += entry.Plate.Placed ? 1 : 0;
        return placed;
    }
    bool Choose(const TFileDialogOptions& options, std::string& path)
    {
        FileDialogs.push_back(options);
        if (Files.empty() || !Files.front()) {
            if (!Files.empty())
                Files.pop_front();
            return false;
        }
        path = *Files.front();
        Files.pop_front();
        return true;
    }
};

// A window started in a private folder, with a fixed random clock so that
// every board is the same from run to run.
class WindowTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t FixedClockMs = 12345;

    void TearDown() override { Window.reset(); }

    std::string IniPath() const { return Folder.File("VorniaGenerator.ini"); }
    void WriteIni(const std::string& lines) { WriteText(IniPath(), "[settings]\r\n" + lines); }

    // Creates the window; the settings file is whatever the folder holds.
    bool Create(int osProduct = 0)
    {
        Window = std::make_unique<TfrmBoard>(Port, osProduct, Folder.Path);
        Window->BoardRandom().UseFixedClock(FixedClockMs);
        return Window->FormCreate();
    }
    // Creates and shows it, answering the first-run question with No.
    void Start(int osProduct = 0)
    {
        ASSERT_TRUE(Create(osProduct));
        Window->FormShow();
        Port.Fire(*Window, TWindowTimer::Size);
    }
    void Generate()
    {
        Window->ClickMenuItem(mnu::MakeNewBoard);
        ASSERT_TRUE(Port.Fire(*Window, TWindowTimer::MakeBoard));
    }
    const TMenuItem& FileMenu() const { return Window->Menu().Item(mnu::File); }
    // Captions of the File menu after "E&xit".
    std::vector<std::string> BoardEntries() const
    {
        std::vector<std::string> captions;
        bool afterExit = false;
        for (const TMenuItem& item : FileMenu().Items) {
            if (afterExit)
                captions.push_back(item.Checked ? item.Caption + " *" : item.Caption);
            afterExit = afterExit || item.Name == mnu::Exit;
        }
        return captions;
    }
    std::string Panel(int i) const { return Window->StatusBar().Text(i); }

    TTempFolder Folder;
    TFakeWindowPort Port;
    std::unique_ptr<TfrmBoard> Window;
};

} // namespace vornia::test
