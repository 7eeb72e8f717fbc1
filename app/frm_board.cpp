#include "frm_board.h"

#include <array>
#include <utility>

#include "board/fair_rules.h"
#include "files/file_utils.h"

namespace vornia {

TfrmBoard::TfrmBoard(TWindowPort& port, int osProduct, std::string settingsFolder)
    : Port(port), SettingsFolder(std::move(settingsFolder)), SystemProduct(osProduct), MainMenu(BuildMainMenu())
{
    CaptionText = WindowCaption;
}

TfrmBoard::~TfrmBoard()
{
    Port.AttachVersionCheck(nullptr);
}

// --- creation, showing, closing

bool TfrmBoard::FormCreate()
{
    Ini = OpenOrCreateIniFile(std::string(SettingsFileName), SettingsFolder, "", *this);
    if (!Ini) {
        Port.MessageBox(Tr(SettingsOpenFailedText), TMsgKind::Error, TMsgButtons::Ok);
        return false;
    }

    OSVersionNumber = SystemProduct;
    Settings = TAppSettings{};
    BoardSeparatorAdded = false;

    Panel = std::make_unique<TPanelBoard>();

    RedoStatus = [this] {
        StatusBarModel.SetText(4, VersionText());
        Port.RepaintStatusBar();
    };
    StatusBarModel.SetText(4, VersionText());

    LoadSettings(*Ini, Settings);
    ApplySettings();

    Deferred = !(OSVersionNumber >= 1 && OSVersionNumber <= 9);
    if (!Deferred)
        Port.Maximize();

    if (Settings.DebugMode) {
        MemShown = true;
        Port.SetMemVisible(true);
        MainMenu.Item(mnu::Debug).Visible = true;
    }
    Port.MenusChanged();
    Port.RepaintStatusBar();
    return true;
}

void TfrmBoard::ApplySettings()
{
    if (Settings.OverrideOS)
        OSVersionNumber = 7;
    SetZoomMenu(Settings.Zoom);
    Port.SetWindowSize({Settings.WindowWidth, Settings.WindowHeight});

    DrawInBlackAndWhite = Settings.BlackAndWhite;
    StatusBarModel.Visible = !Settings.BlackAndWhite;
    Port.SetStatusBarVisible(StatusBarModel.Visible);

    UpdateMenuChecks();
    ChooseLanguage(Settings.Language);

    Version = std::make_unique<TVersionCheck>(Port.VersionSocket(), static_cast<TVersionCheckListener&>(*this),
                                              Settings.VersionHost, Settings.VersionPort);
    Port.AttachVersionCheck(Version.get());
}

void TfrmBoard::FormShow()
{
    if (Deferred) {
        Port.StartTimer(TWindowTimer::Size, SizeIntervalMs);
    } else {
        AskAndCheckVersion();
        OpenStartupBoardFiles();
    }
}

void TfrmBoard::timSizeTimer()
{
    Port.StopTimer(TWindowTimer::Size);
    Port.Maximize();
    AskAndCheckVersion();
    OpenStartupBoardFiles();
}

void TfrmBoard::OpenStartupBoardFiles()
{
    std::vector<std::string> paths = std::move(StartupBoardFiles);
    StartupBoardFiles.clear();
    for (const std::string& path : paths)
        OpenBoardFile(path, true);
}

void TfrmBoard::AskAndCheckVersion()
{
    if (Settings.AutoVersionCheck == -1) {
        const TMsgAnswer answer = Port.MessageBox(Tr(VersionQuestion), TMsgKind::Information, TMsgButtons::YesNo);
        // The check mark follows the answer at once, so that the menu and
        // the value never disagree.
        SetAutoVersionCheck(answer == TMsgAnswer::Yes ? 1 : 0);
    }
    if (Settings.AutoVersionCheck == 1)
        StartVersionCheck();
}

void TfrmBoard::SetAutoVersionCheck(int value)
{
    Settings.AutoVersionCheck = value;
    UpdateMenuChecks();
}

void TfrmBoard::StartVersionCheck()
{
    if (Version)
        Version->StartVersionCheck();
}

void TfrmBoard::FormClose()
{
    // A board being made is given up: the program ends now, not after it.
    Closing = true;
    if (!Ini)
        return;
    Settings.Zoom = ZoomPercent();
    Settings.BlackAndWhite = DrawInBlackAndWhite;
    const TWindowSize size = Port.WindowSize();
    Settings.WindowWidth = size.Width;
    Settings.WindowHeight = size.Height;
    SaveSettings(*Ini, Settings);
    std::string error;
    if (!Ini->UpdateFile(&error)) {
        // The settings of this run are lost, but the player is told where and why.
        Port.MessageBox(
            TrFormat(VORNIA_TR_NOOP("Window", "Could not save the settings to %1:\r\n%2"), {Ini->Path(), error}),
            TMsgKind::Error, TMsgButtons::Ok);
    }
}

void TfrmBoard::FormDestroy()
{
    if (Version)
        Version->FormDestroy();
}

void TfrmBoard::TimerFired(TWindowTimer timer)
{
    switch (timer) {
    case TWindowTimer::MakeBoard: timMakeBoardTimer(); break;
    case TWindowTimer::Size: timSizeTimer(); break;
    }
}

bool TfrmBoard::FormKeyDown(TKey key, bool alt)
{
    if (alt && key == TKey::Left) {
        CycleBoards(TCycleDirection::Previous);
        return true;
    }
    if (alt && key == TKey::Right) {
        CycleBoards(TCycleDirection::Next);
        return true;
    }
    if (key == TKey::F4) {
        CycleBoards(TCycleDirection::Next);
        return true;
    }
    return false;
}

// --- menus

void TfrmBoard::SetZoomMenu(int percent)
{
    Zoom = percent == 50 || percent == 75 ? percent : 100;
    if (Panel)
        Panel->SetZoom(Zoom);
    UpdateMenuChecks();
}

void TfrmBoard::UpdateMenuChecks()
{
    MainMenu.Item(mnu::Hundred).Checked = Zoom == 100;
    MainMenu.Item(mnu::SeventyFive).Checked = Zoom == 75;
    MainMenu.Item(mnu::Fifty).Checked = Zoom == 50;
    MainMenu.Item(mnu::BlackAndWhite).Checked = DrawInBlackAndWhite;
    MainMenu.Item(mnu::CornerPips).Checked = Settings.ShowCornerPips;
    MainMenu.Item(mnu::LocalLabels).Checked = Settings.LocalLabels;
    MainMenu.Item(mnu::AutoVersionCheck).Checked = Settings.AutoVersionCheck == 1;
    for (TMenuItem& item : FileMenu().Items)
        item.Checked = item.Name == CurrentBoardItem;
    Port.MenusChanged();
}

void TfrmBoard::EnableMenus(bool enabled)
{
    MainMenu.Item(mnu::File).Enabled = enabled;
    MainMenu.Item(mnu::Options).Enabled = enabled;
    TMenuItem& debug = MainMenu.Item(mnu::Debug);
    if (debug.Visible)
        debug.Enabled = enabled;
    Port.MenusChanged();
}

void TfrmBoard::SetBoardCaption(const std::string& name)
{
    CaptionName = name;
    CaptionText = Tr(WindowCaption) + " " + BoardDisplayName(name);
    Port.SetCaption(CaptionText);
}

// --- language

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> LanguageItems{{
    {mnu::LanguageSystem, ""},
    {mnu::LanguageEnglish, "en"},
    {mnu::LanguageGerman, "de"},
    {mnu::LanguageFrench, "fr"},
}};

} // namespace

bool TfrmBoard::ClickLanguageItem(std::string_view name)
{
    for (const auto& [item, code] : LanguageItems) {
        if (item == name) {
            ChooseLanguage(std::string(code));
            return true;
        }
    }
    return false;
}

void TfrmBoard::ChooseLanguage(const std::string& code)
{
    Settings.Language = CleanLanguage(code);
    for (const auto& [item, itemCode] : LanguageItems)
        MainMenu.Item(item).Checked = itemCode == Settings.Language;
    Port.MenusChanged();
    Port.SetLanguage(Settings.Language);
}

void TfrmBoard::LanguageChanged()
{
    CaptionText = Tr(WindowCaption);
    if (CaptionName)
        CaptionText += " " + BoardDisplayName(*CaptionName);
    Port.SetCaption(CaptionText);
    if (RedoStatus) {
        const std::function<void()> redo = RedoStatus;
        redo();
    }
    Port.MenusChanged();
    if (Settings.LocalLabels)
        PaintBoard();
}

// --- status bar

std::string TfrmBoard::VersionText() const
{
    return vornia::VersionText(NewerVersionFound(), Version ? Version->NewerVersion() : std::string());
}

bool TfrmBoard::NewerVersionFound() const
{
    return Version && Version->NewerVersionFound();
}

void TfrmBoard::ResetStatusBar(int flags)
{
    RedoStatus = [this, flags] { ResetStatusBar(flags); };
    ResetPanels(StatusBarModel, flags, VersionText());
    Port.RepaintStatusBar();
}

void TfrmBoard::ShowFailure(std::string_view reason)
{
    RedoStatus = [this, reason = std::string(reason)] { ShowFailure(reason); };
    ResetPanels(StatusBarModel, rsFailed, VersionText());
    StatusBarModel.SetText(4, Tr(reason));
    Port.RepaintStatusBar();
}

void TfrmBoard::DisplayStats(const TStats& stats)
{
    RedoStatus = [this, stats] { DisplayStats(stats); };
    Analysis.reset();
    std::string hint = BalanceLine(ComputeBalance(Panel->Plates(), ZoomPercent()));
    if (Settings.ShowCornerPips)
        for (const std::string& line : AnalysisSummary(*CurrentAnalysis()))
            if (!line.empty())
                hint += "\n" + line;
    ShowStatsPanels(StatusBarModel, stats,
                    {Settings.Board.Shape, Settings.Board.MassDensity, Settings.DebugMode, VersionText(), hint,
                     Settings.Board.Fair.Any()});
    Port.RepaintStatusBar();
}

TPanelStyle TfrmBoard::StatusPanelStyle(int panel, TColor fontColor, TColor brushColor) const
{
    return PanelStyle(panel, NewerVersionFound(), fontColor, brushColor);
}

// --- board panel

void TfrmBoard::PaintBoard()
{
    Analysis.reset();
    Port.RepaintBoard();
}

std::shared_ptr<const TBoardAnalysis> TfrmBoard::CurrentAnalysis() const
{
    if (!Analysis)
        Analysis = std::make_shared<const TBoardAnalysis>(AnalyseBoard(Panel->Plates(), ZoomPercent()));
    return Analysis;
}

void TfrmBoard::ShowMadeBoard(const TGenerationResult& made)
{
    SetBoardCaption(made.Name);
    AddBoardMenuItem(made.Name);
    DisplayStats(made.Stats);
    Port.ScrollBoardHome();
    PaintBoard();
}

void TfrmBoard::ShowSwitchedBoard(const std::string& name)
{
    if (!Panel->SwitchToBoard(name))
        return;
    SetBoardCaption(name);
    DisplayStats(Panel->ComputeStats());
    Port.ScrollBoardHome();
    PaintBoard();
}

// --- file messages and version check results

void TfrmBoard::ShowMessage(const std::string& text)
{
    Port.MessageBox(text, TMsgKind::Plain, TMsgButtons::Ok);
}

void TfrmBoard::RepaintStatusBar()
{
    Port.RepaintStatusBar();
}

void TfrmBoard::ReportNewerVersion(const std::string&)
{
    StatusBarModel.SetText(4, VersionText());
    Port.RepaintStatusBar();
}

} // namespace vornia
