#include "frm_board_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "board/translate.h"
#include "board_panel_qt.h"
#include "language_qt.h"
#include "options/frm_custom_options_qt.h"
#include "render/board_pages_qt.h"
#include "render/button_face_qt.h"
#include "render/picture_files_qt.h"
#include "render/printer_qt.h"
#include "status_bar_qt.h"
#include "ui/about_dialog_qt.h"
#include "ui/qstring_qt.h"

namespace vornia {

namespace {

constexpr int MemWidth = 150;
// How often a board being made lets the window's own events through: often
// enough that closing the window takes effect at once, seldom enough to cost
// the search nothing worth measuring.
constexpr int PendingEventsIntervalMs = 50;

// "svg" of "SVG pictures (*.svg)": the extension a filter's first pattern names.
QString SuffixOfFilter(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return {};
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(star + 2, end - star - 2);
}

QMessageBox::Icon IconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Error: return QMessageBox::Critical;
    case TMsgKind::Information: return QMessageBox::Information;
    case TMsgKind::Confirmation: return QMessageBox::Question;
    case TMsgKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// The local board files among dropped data, in the order given.
std::vector<std::string> DroppedBoardFiles(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    const QString suffix = "." + ToQString(BoardFileExtension);
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(suffix, Qt::CaseInsensitive))
            paths.push_back(path.toStdString());
    }
    return paths;
}

} // namespace

TfrmBoardQt::TfrmBoardQt(int osProduct, std::string settingsFolder, TShellHooks hooks)
    : Hooks(std::move(hooks)),
      Socket(this),
      Form(*this, osProduct, std::move(settingsFolder)),
      // Qt ticks or unticks a checkable action before it reports the click;
      // the menu model decides, so the actions take its state back.
      MenuBar(*menuBar(), [this](std::string_view name) {
          Form.ClickMenuItem(name);
          MenusChanged();
      })
{
    setObjectName("frmBoard");
    setWindowTitle(ToQString(Form.Caption()));

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    View = new TBoardView(Form, client);
    Panel = View->Panel();
    Mem = new QPlainTextEdit(client);
    Mem->setObjectName("mem");
    Mem->setFixedWidth(MemWidth);
    Mem->setReadOnly(true);
    Mem->setLineWrapMode(QPlainTextEdit::NoWrap);
    Mem->hide();
    row->addWidget(View, 1);
    row->addWidget(Mem);
    column->addLayout(row, 1);
    Status = new TStatusBarWidget(Form, client);
    column->addWidget(Status);
    setCentralWidget(client);

    timMakeBoard = new QTimer(this);
    timMakeBoard->setObjectName("timMakeBoard");
    timSize = new QTimer(this);
    timSize->setObjectName("timSize");
    for (auto [timer, id] : {std::pair{timMakeBoard, TWindowTimer::MakeBoard}, {timSize, TWindowTimer::Size}}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, id = id] { Form.TimerFired(id); });
    }

    MenusChanged();
    setAcceptDrops(true);
}

TfrmBoardQt::~TfrmBoardQt()
{
    timMakeBoard->stop();
    timSize->stop();
    if (Created)
        Form.FormDestroy();
}

bool TfrmBoardQt::Create()
{
    // The system's language until the settings name another: the settings
    // file's own failure is told in it.
    SetLanguage({});
    if (!Form.FormCreate())
        return false;
    Created = true;
    Form.LanguageChanged();
    MenusChanged();
    // Opens centred on the desktop, unless it is maximised already.
    if (!(windowState() & Qt::WindowMaximized)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    return true;
}

// --- menus

void TfrmBoardQt::MenusChanged()
{
    MenuBar.Mirror(Form.Menu());
}

// --- window events

void TfrmBoardQt::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Shown || !Created)
        return;
    Shown = true;
    Panel->setFocus();
    Form.FormShow();
}

void TfrmBoardQt::closeEvent(QCloseEvent* event)
{
    if (Created && !Closed) {
        Closed = true;
        Form.FormClose();
    }
    event->accept();
}

void TfrmBoardQt::keyPressEvent(QKeyEvent* event)
{
    TKey key = TKey::Other;
    switch (event->key()) {
    case Qt::Key_F4: key = TKey::F4; break;
    case Qt::Key_Left: key = TKey::Left; break;
    case Qt::Key_Right: key = TKey::Right; break;
    default: break;
    }
    if (Created && Form.FormKeyDown(key, event->modifiers().testFlag(Qt::AltModifier)))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void TfrmBoardQt::dragEnterEvent(QDragEnterEvent* event)
{
    if (Created && !DroppedBoardFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void TfrmBoardQt::dragMoveEvent(QDragMoveEvent* event)
{
    if (Created && !DroppedBoardFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void TfrmBoardQt::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> paths = DroppedBoardFiles(event->mimeData());
    if (!Created || paths.empty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that the program the files came from
    // is not kept waiting by a message about them.
    QTimer::singleShot(0, this, [this, paths] { Form.DropBoardFiles(paths); });
}

// --- the port

TMsgAnswer TfrmBoardQt::MessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons)
{
    if (Hooks.Message)
        return Hooks.Message(text, kind, buttons);
    const QMessageBox::StandardButtons standard =
        buttons == TMsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(IconOf(kind), ToQString(ApplicationTitle), ToQString(text), standard, isVisible() ? this : nullptr);
    switch (box.exec()) {
    case QMessageBox::Yes: return TMsgAnswer::Yes;
    case QMessageBox::Ok: return TMsgAnswer::Ok;
    default: return buttons == TMsgButtons::YesNo ? TMsgAnswer::No : TMsgAnswer::Ok;
    }
}

bool TfrmBoardQt::ChooseSaveFile(const TFileDialogOptions& options, std::string& path)
{
    return ChooseFile(true, options, path);
}

bool TfrmBoardQt::ChooseOpenFile(const TFileDialogOptions& options, std::string& path)
{
    return ChooseFile(false, options, path);
}

bool TfrmBoardQt::ChooseFile(bool save, const TFileDialogOptions& options, std::string& path)
{
    if (Hooks.ChooseFile)
        return Hooks.ChooseFile(save, options, path);
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The window asks its own question before overwriting a board.
    if (save && !options.ConfirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.Title.empty())
        dialog.setWindowTitle(ToQString(options.Title));
    dialog.setNameFilter(ToQString(options.Filter));
    dialog.setDefaultSuffix(ToQString(options.DefaultSuffix));
    // With several filters a bare name gets the extension of the one chosen.
    if (dialog.nameFilters().size() > 1)
        connect(&dialog, &QFileDialog::filterSelected, &dialog,
                [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOfFilter(filter)); });
    if (!options.StartFolder.empty())
        dialog.setDirectory(ToQString(options.StartFolder));
    if (options.FilterIndex > 0 && options.FilterIndex < dialog.nameFilters().size()) {
        const QString filter = dialog.nameFilters().at(options.FilterIndex);
        dialog.selectNameFilter(filter);
        dialog.setDefaultSuffix(SuffixOfFilter(filter));
    }
    if (!options.FileName.empty())
        dialog.selectFile(ToQString(options.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

QTimer* TfrmBoardQt::TimerOf(TWindowTimer timer) const
{
    return timer == TWindowTimer::MakeBoard ? timMakeBoard : timSize;
}

void TfrmBoardQt::StartTimer(TWindowTimer timer, int intervalMs)
{
    TimerOf(timer)->start(intervalMs);
}

void TfrmBoardQt::StopTimer(TWindowTimer timer)
{
    TimerOf(timer)->stop();
}

void TfrmBoardQt::SetLanguage(const std::string& code)
{
    UseLanguage(code);
    MenusChanged();
    if (Created)
        Form.LanguageChanged();
}

void TfrmBoardQt::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        MenusChanged();
        if (Created)
            Form.LanguageChanged();
    }
}

void TfrmBoardQt::SetCaption(const std::string& caption)
{
    setWindowTitle(ToQString(caption));
}

void TfrmBoardQt::SetWindowSize(TWindowSize size)
{
    // The size asked for is the outer one. The frame is known only once the
    // window manager has framed the window: until then the whole size goes
    // to the inside, and the frame is taken off when it is known.
    resize(size.Width, size.Height);
    PendingOuterSize = QSize(size.Width, size.Height);
    ApplyOuterSize();
}

void TfrmBoardQt::ApplyOuterSize()
{
    // Only the window at the size set: a maximised one, or one sized
    // otherwise in the meantime (by the player, the window manager), is left.
    if (PendingOuterSize.isEmpty() || size() != PendingOuterSize ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        return;
    resize(PendingOuterSize.shrunkBy(frame));
    PendingOuterSize = QSize();
}

bool TfrmBoardQt::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange: ApplyOuterSize(); break;
    default: break;
    }
    return handled;
}

TWindowSize TfrmBoardQt::WindowSize() const
{
    const QSize size = isVisible() ? frameGeometry().size() : this->size();
    return {size.width(), size.height()};
}

void TfrmBoardQt::Maximize()
{
    // The size to come back to when the player restores the window.
    ApplyOuterSize();
    if (isVisible())
        showMaximized();
    else
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmBoardQt::CloseWindow()
{
    close();
}

void TfrmBoardQt::RepaintBoard()
{
    View->BoardChanged();
    Panel->update();
}

void TfrmBoardQt::HandlePendingEvents()
{
    if (PendingEventsClock.isValid() && PendingEventsClock.elapsed() < PendingEventsIntervalMs)
        return;
    // All of them: the window manager's request to close the window counts
    // as the player's input.
    QCoreApplication::processEvents();
    PendingEventsClock.start();
}

void TfrmBoardQt::ScrollBoardHome()
{
    View->BoardChanged();
    View->ScrollHome();
}

void TfrmBoardQt::RepaintStatusBar()
{
    // At once: "Please Wait..." must be on screen before the generation
    // takes the thread.
    if (Status->isVisible())
        Status->repaint();
}

void TfrmBoardQt::SetStatusBarVisible(bool visible)
{
    Status->setVisible(visible);
    // The panel takes the freed room (or gives it back) at once, so that a
    // picture taken next already shows the new layout.
    centralWidget()->layout()->activate();
}

void TfrmBoardQt::SetMemVisible(bool visible)
{
    Mem->setVisible(visible);
    centralWidget()->layout()->activate();
}

void TfrmBoardQt::SetMemLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << ToQString(line);
    Mem->setPlainText(text.join('\n'));
}

bool TfrmBoardQt::RunOptionsDialog(TBoardSettings& settings)
{
    if (Hooks.Options)
        return Hooks.Options(settings);
    return RunShapeAndPieceOptions(this, settings);
}

void TfrmBoardQt::ShowAboutDialog(const std::string& host)
{
    if (Hooks.About)
        Hooks.About(host);
    else
        vornia::ShowAboutDialog(this, host);
}

QImage TfrmBoardQt::CaptureClientArea() const
{
    return centralWidget()->grab().toImage();
}

bool TfrmBoardQt::PrintClientArea(std::string* error)
{
    const QImage picture = CaptureClientArea();
    if (Hooks.Print)
        return Hooks.Print(picture, error);
    return PrintImageToDefaultPrinter(picture, error);
}

bool TfrmBoardQt::ExportPicture(const TPictureRequest& request, std::string* error)
{
    std::string reason;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = SaveBoardPicture(request, reason);
    QApplication::restoreOverrideCursor();
    if (!written && error)
        *error = reason;
    return written;
}

void TfrmBoardQt::PreviewWholeBoard(const TPlateList& plates, int zoom, bool blackAndWhite, bool localLabels,
                                    bool cornerPips)
{
    TPaintOptions options;
    options.Zoom = zoom;
    options.BlackAndWhite = blackAndWhite;
    options.LocalLabels = localLabels;
    options.CornerPips = cornerPips;
    options.ButtonFace = ButtonFaceColor();
    options.Transparent = true;
    ShowWholeBoardPreview(this, plates, options);
}

} // namespace vornia
