#include "frm_custom_options_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <map>

#include "board/ascii_text.h"
#include "board/fair_rules.h"
#include "board/translate.h"
#include "render/shape_examples_qt.h"
#include "ui/about_text.h"
#include "ui/mirl_buttons_qt.h"
#include "ui/mirl_combobox_qt.h"
#include "ui/mirl_edit_qt.h"
#include "ui/qstring_qt.h"

namespace vornia {

namespace {

// The form as designed, and a column to its right for the fair-board rules:
// every control of the form keeps its place.
constexpr int FormWidth = 713;
constexpr int FairWidth = 230;
constexpr int ClientWidth = FormWidth + FairWidth;
constexpr int ClientHeight = 335;
constexpr int BottomHeight = 35;
constexpr int ImageWidth = 233;
constexpr int LeftWidth = FormWidth - ImageWidth;
constexpr int FairBoxStep = 22;
// OK and Cancel are anchored to the bottom-right corner: they keep the
// distance from the right edge that the form gave them.
constexpr int OkLeft = ClientWidth - (FormWidth - 538);
constexpr int CancelLeft = ClientWidth - (FormWidth - 623);
static_assert(FairRuleRows.size() == std::tuple_size_v<decltype(TfrmCustomOptions::chkFair)>);
constexpr int ClientPanelHeight = 78;
constexpr int PieceCountsHeight = ClientHeight - BottomHeight - ClientPanelHeight;
constexpr int LabelledHeight = 23;
constexpr int EditStep = 25;
constexpr int TotalTop = 185;
constexpr int ContentHeight = ClientHeight - BottomHeight;
// Below the counts, the fair-board group lines up with the count groups,
// a little below them.
constexpr int GroupMargin = 5;
constexpr int GroupGap = 6;
// The frame a window manager puts round a dialog, until the main window's
// tells better.
constexpr QMargins UsualFrame(4, 28, 4, 4);
// The least client area of a dialog that scrolls, when it is made smaller.
constexpr QSize LeastScrolledSize(240, BottomHeight + 80);
// How long after showing the dialog its frame is known.
constexpr int FrameKnownMs = 100;

// The context the dialog's texts are filed under in the catalogues.
constexpr const char* Context = "TfrmCustomOptions";
constexpr const char* DialogCaption = QT_TRANSLATE_NOOP("TfrmCustomOptions", "Shape And Piece Options");
constexpr const char* NoteText =
    QT_TRANSLATE_NOOP("TfrmCustomOptions", "(Land and Water counts not available for this shape");
// The dynamic properties that keep a control's English text and its context.
constexpr const char* SourceProperty = "vorniaSourceText";
constexpr const char* ContextProperty = "vorniaTextContext";
// Set on a control whose text differs from its English: only those may grow,
// so that the English form keeps its design.
constexpr const char* TranslatedProperty = "vorniaTranslated";

// The control shows source in the language in force from now on.
template <typename TWidget>
TWidget* WithSource(TWidget* widget, const char* source, const char* context = Context)
{
    widget->setProperty(SourceProperty, QByteArray(source));
    widget->setProperty(ContextProperty, QByteArray(context));
    return widget;
}

TmirlEdit* MakeCountEdit(QWidget* parent, const char* caption, int left, int top, int width,
                         int captionWidth)
{
    auto* edit = new TmirlEdit(parent);
    edit->setGeometry(left, top, width, LabelledHeight);
    edit->SetCaption(ToQString(caption));
    edit->SetCaptionWidth(captionWidth);
    return WithSource(edit, caption);
}

TmirlCombobox* MakeList(QWidget* parent, const char* caption, int left, int top, int width)
{
    auto* combo = WithSource(new TmirlCombobox(parent), caption);
    combo->setGeometry(left, top, width, LabelledHeight);
    combo->SetCaption(ToQString(caption));
    combo->SetCaptionWidth(70);
    combo->SetStyle(TmirlCombobox::csDropDownList);
    combo->SetDropDownCount(24);
    combo->SetSorted(false);
    return combo;
}

// A label that sizes itself to its text, as the form's plain labels do.
QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top)
{
    auto* label = WithSource(new QLabel(QString::fromUtf8(text), parent), text);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QWidget* MakePanel(QWidget* parent, int left, int top, int width, int height)
{
    auto* panel = new QWidget(parent);
    panel->setGeometry(left, top, width, height);
    return panel;
}

bool AskWithMessageBox(QWidget* parent, const QString& text)
{
    // Titled with the program's name, as the main window's message boxes are.
    const QString title = ToQString(AboutProgramName);
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

} // namespace

TfrmCustomOptions::TfrmCustomOptions(QWidget* parent) : QDialog(parent, Qt::Tool), Confirm(AskWithMessageBox)
{
    setWindowTitle(QString::fromUtf8(DialogCaption));
    // The form was laid out for an 8-point sans-serif dialog font of Arial's
    // widths; Liberation Sans has them, the platform's font stands in for it.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Liberation Sans"), dialogFont.family()});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedSize(ClientWidth, ClientHeight);

    CreateControls();
    FormCreate();
    RecordDesign();
    Retranslate();
    cboShape->setFocus();
    // Where the dialog scrolls, the control that takes the focus, by Tab or
    // by its shortcut, is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && pnlContent->isAncestorOf(now))
            scrContent->ensureWidgetVisible(now);
    });
}

void TfrmCustomOptions::CreateControls()
{
    // Created in the order of the Tab key (Qt follows the order of creation):
    // the shape group, Dice Tiles, Land, Water, Fair Board, OK and Cancel,
    // then the piece-set buttons.
    // Plain until the screen asks for scrolling: no frame, no focus of its
    // own, the dialog's background.
    scrContent = new QScrollArea(this);
    scrContent->setObjectName(QStringLiteral("scrContent"));
    scrContent->setFrameShape(QFrame::NoFrame);
    scrContent->setFocusPolicy(Qt::NoFocus);
    scrContent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrContent->setGeometry(0, 0, ClientWidth, ContentHeight);
    pnlContent = new QWidget;
    pnlContent->setObjectName(QStringLiteral("pnlContent"));
    pnlContent->resize(ClientWidth, ContentHeight);
    scrContent->setWidget(pnlContent);

    pnlMainLeft = MakePanel(pnlContent, 0, 0, LeftWidth, ContentHeight);
    pnlClient = MakePanel(pnlMainLeft, 0, 0, LeftWidth, ClientPanelHeight);
    grpShape =
        WithSource(new QGroupBox(QStringLiteral("Shape"), pnlClient), QT_TRANSLATE_NOOP("TfrmCustomOptions", "Shape"));
    grpShape->setGeometry(5, 5, 461, 51);
    cboShape = MakeList(grpShape, QT_TRANSLATE_NOOP("TfrmCustomOptions", "&Shape"), 10, 17, 220);
    connect(cboShape, &TmirlCombobox::changed, this, &TfrmCustomOptions::cboShapeChange);
    cboLandMass = MakeList(grpShape, QT_TRANSLATE_NOOP("TfrmCustomOptions", "&Land Mass"), 250, 17, 200);

    lblNote = WithSource(new QLabel(QString::fromUtf8(NoteText), pnlClient), NoteText);
    lblNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblNote->setGeometry(190, 61, 276, lblNote->sizeHint().height());
    lblNote->hide();
    // The flag travels with the settings but is never offered to the player.
    chkCustomPieceCounts = new TmirlCheckbox(
        QStringLiteral("&Use the number of pieces specified below"), pnlClient);
    chkCustomPieceCounts->setGeometry(50, 60, 76, chkCustomPieceCounts->sizeHint().height());
    chkCustomPieceCounts->hide();

    pnlPieceCounts = MakePanel(pnlMainLeft, 0, ClientPanelHeight, LeftWidth, PieceCountsHeight);
    grpPie =
        WithSource(new QGroupBox(QString::fromUtf8(CountGroups[2].Caption), pnlPieceCounts), CountGroups[2].Caption);
    grpPie->setGeometry(5, 5, 211, 206);
    grpLand =
        WithSource(new QGroupBox(QString::fromUtf8(CountGroups[0].Caption), pnlPieceCounts), CountGroups[0].Caption);
    grpLand->setGeometry(225, 5, 116, 206);
    grpWater =
        WithSource(new QGroupBox(QString::fromUtf8(CountGroups[1].Caption), pnlPieceCounts), CountGroups[1].Caption);
    grpWater->setGeometry(350, 5, 116, 206);
    CreateCountEdits();

    lblTotalDie = MakeLabel(grpPie, CountGroups[2].TotalCaption, 10, TotalTop);
    lblTotalDieValue = MakeLabel(grpPie, "", 45, TotalTop);
    lblTotalLand = MakeLabel(grpLand, CountGroups[0].TotalCaption, 10, TotalTop);
    lblTotalLandValue = MakeLabel(grpLand, "", 85, TotalTop);

    pnlFair = MakePanel(pnlContent, FormWidth, 0, FairWidth, ContentHeight);
    grpFair = WithSource(new QGroupBox(QStringLiteral("Fair Board"), pnlFair),
                         QT_TRANSLATE_NOOP("TfrmCustomOptions", "Fair Board"));
    grpFair->setGeometry(0, 5, FairWidth - 5, 20 + static_cast<int>(FairRuleRows.size()) * FairBoxStep);
    for (std::size_t i = 0; i < FairRuleRows.size(); ++i) {
        const std::string_view caption = FairRuleRows[i].Caption;
        chkFair[i] = WithSource(new TmirlCheckbox(ToQString(caption), grpFair), caption.data(), trc::Window);
        chkFair[i]->setGeometry(10, 18 + static_cast<int>(i) * FairBoxStep, FairWidth - 25,
                                chkFair[i]->sizeHint().height());
    }

    pnlImage = MakePanel(pnlContent, LeftWidth, 0, ImageWidth, ContentHeight);
    lblShapeExample = MakeLabel(pnlImage, QT_TRANSLATE_NOOP("TfrmCustomOptions", "Shape Example:"), 10, 25);
    lblShapeExample->resize(161, lblShapeExample->height());
    // A label paints no background of its own: where there is no picture
    // the panel shows through.
    imgBoard = new QLabel(pnlImage);
    imgBoard->setGeometry(5, 50, ShapeExampleWidth, ShapeExampleHeight);
    // In one column the panel's empty top reaches over the counts' last row:
    // it shows them, and lets their clicks through.
    pnlImage->setAttribute(Qt::WA_TransparentForMouseEvents);

    pnlBottom = MakePanel(this, 0, ContentHeight, ClientWidth, BottomHeight);
    btnOk = WithSource(new TmirlButton(QStringLiteral("OK"), pnlBottom), QT_TRANSLATE_NOOP("TfrmCustomOptions", "OK"));
    btnOk->setGeometry(OkLeft, 5, 80, 20);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmCustomOptions::btnOkClick);
    btnCancel = WithSource(new TmirlButton(QStringLiteral("Cancel"), pnlBottom),
                           QT_TRANSLATE_NOOP("TfrmCustomOptions", "Cancel"));
    btnCancel->setGeometry(CancelLeft, 5, 80, 20);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    // At the left of the strip; never the default button, so that Enter
    // still means OK wherever the focus is.
    for (std::size_t i = 0; i < PieceSets.size(); ++i) {
        const std::string_view caption = PieceSets[i].Caption;
        btnPieceSet[i] = WithSource(new TmirlButton(ToQString(caption), pnlBottom), caption.data(), trc::Window);
        btnPieceSet[i]->setGeometry(5 + static_cast<int>(i) * 85, 5, 80, 20);
        btnPieceSet[i]->setAutoDefault(false);
        connect(btnPieceSet[i], &QPushButton::clicked, this, [this, i] { btnPieceSetClick(PieceSets[i]); });
    }
}

void TfrmCustomOptions::CreateCountEdits()
{
    auto dice = [this](const char* caption, int left, int row) {
        auto* edit = MakeCountEdit(grpPie, caption, left, 20 + row * EditStep, 85, 50);
        connect(edit, &TmirlEdit::exited, this, &TfrmCustomOptions::DieExit);
        return edit;
    };
    edtTwo = dice(CountCaptions[13], 10, 0);
    edtThree = dice(CountCaptions[14], 10, 1);
    edtFour = dice(CountCaptions[15], 10, 2);
    edtFive = dice(CountCaptions[16], 10, 3);
    edtSix = dice(CountCaptions[17], 10, 4);
    edtSeven = dice(CountCaptions[18], 10, 5);
    edtEight = dice(CountCaptions[19], 115, 0);
    edtNine = dice(CountCaptions[20], 115, 1);
    edtTen = dice(CountCaptions[21], 115, 2);
    edtEleven = dice(CountCaptions[22], 115, 3);
    edtTwelve = dice(CountCaptions[23], 115, 4);

    auto land = [this](const char* caption, int row) {
        auto* edit = MakeCountEdit(grpLand, caption, 10, 20 + row * EditStep, 95, 60);
        connect(edit, &TmirlEdit::exited, this, &TfrmCustomOptions::LandExit);
        return edit;
    };
    edtBrick = land(CountCaptions[0], 0);
    edtGrain = land(CountCaptions[1], 1);
    edtLumber = land(CountCaptions[2], 2);
    edtOre = land(CountCaptions[3], 3);
    edtWool = land(CountCaptions[4], 4);
    edtDesert = land(CountCaptions[5], 5);

    // Water counts are taken as typed: no exit handler.
    auto water = [this](const char* caption, int row) {
        return MakeCountEdit(grpWater, caption, 10, 20 + row * EditStep, 95, 60);
    };
    edtWater = water(CountCaptions[6], 0);
    edtWaterBrick = water(CountCaptions[7], 1);
    edtWaterGrain = water(CountCaptions[8], 2);
    edtWaterLumber = water(CountCaptions[9], 3);
    edtWaterOre = water(CountCaptions[10], 4);
    edtWaterWool = water(CountCaptions[11], 5);
    edtWaterMark = water(CountCaptions[12], 6);

    CountEdits = {edtBrick,     edtGrain,      edtLumber,     edtOre,         edtWool,     edtDesert,
                  edtWater,     edtWaterBrick, edtWaterGrain, edtWaterLumber, edtWaterOre, edtWaterWool,
                  edtWaterMark, edtTwo,        edtThree,      edtFour,        edtFive,     edtSix,
                  edtSeven,     edtEight,      edtNine,       edtTen,         edtEleven,   edtTwelve};
}

void TfrmCustomOptions::FormCreate()
{
    for (std::string_view shape : ShapeNames)
        cboShape->AddItem(ToQString(shape));
    for (std::string_view mass : LandMassNames)
        cboLandMass->AddItem(ToQString(mass));
}

void TfrmCustomOptions::RecordDesign()
{
    Design.clear();
    // The scroll area places its own parts, and the fit places the content.
    QList<QWidget*> placed = pnlContent->findChildren<QWidget*>();
    placed << pnlBottom << pnlBottom->findChildren<QWidget*>();
    for (QWidget* widget : placed) {
        QWidget* parent = widget->parentWidget();
        // The parts of a composite control place themselves.
        if (qobject_cast<TmirlLabelledPanel*>(parent) || qobject_cast<QComboBox*>(parent) ||
            qobject_cast<QComboBox*>(widget) || widget->isWindow())
            continue;
        const auto* labelled = qobject_cast<TmirlLabelledPanel*>(widget);
        Design.push_back({widget, widget->geometry(), labelled ? labelled->CaptionWidth() : 0});
    }
}

void TfrmCustomOptions::Retranslate()
{
    auto shown = [](QObject* control) {
        const QByteArray context = control->property(ContextProperty).toByteArray();
        return QCoreApplication::translate(context.constData(), control->property(SourceProperty).toByteArray());
    };
    setWindowTitle(QCoreApplication::translate(Context, DialogCaption));
    // Back to the form as designed, then every text in the language in force.
    setFixedSize(ClientWidth, ClientHeight);
    pnlContent->resize(ClientWidth, ContentHeight);
    for (const TDesignedPlace& place : Design) {
        place.Widget->setGeometry(place.Geometry);
        if (auto* labelled = qobject_cast<TmirlLabelledPanel*>(place.Widget))
            labelled->SetCaptionWidth(place.CaptionWidth);
    }
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!control->property(SourceProperty).isValid())
            continue;
        const QString text = shown(control);
        control->setProperty(TranslatedProperty,
                             text != QString::fromUtf8(control->property(SourceProperty).toByteArray()));
        if (auto* labelled = qobject_cast<TmirlLabelledPanel*>(control))
            labelled->SetCaption(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
    }
    for (int i = 0; i < cboShape->ComboControl()->count(); ++i)
        cboShape->ComboControl()->setItemText(i, QString::fromStdString(ShapeDisplayName(ShapeNames[i])));
    for (int i = 0; i < cboLandMass->ComboControl()->count(); ++i)
        cboLandMass->ComboControl()->setItemText(i, QString::fromStdString(LandMassDisplayName(LandMassNames[i])));
    UpdateLandTotal();
    UpdateDiceTotal();
    UpdateShapeExample();
    // The caption over the example changes with the shape: translated, it
    // takes the panel's width, so that every shape's name fits.
    if (lblShapeExample->property(TranslatedProperty).toBool()) {
        lblShapeExample->resize(pnlImage->width() - 2 * lblShapeExample->x(), lblShapeExample->height());
        lblShapeExample->setProperty(TranslatedProperty, false);
    }
    FitTexts();
}

namespace {

bool IsContainer(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || widget->metaObject() == &QWidget::staticMetaObject;
}

// The room between a translated caption and what follows it.
constexpr int TextGap = 4;

// How much wider a control must be to show its translated text whole.
int TextShortfall(QWidget* control)
{
    if (!control->property(TranslatedProperty).toBool())
        return 0;
    // A labelled control and those above and below it in its column widen
    // their captions alike, so that the inputs stay in line.
    if (auto* labelled = qobject_cast<TmirlLabelledPanel*>(control)) {
        int caption = 0;
        for (auto* other : control->parentWidget()->findChildren<TmirlLabelledPanel*>(Qt::FindDirectChildrenOnly))
            if (other->x() == labelled->x() && other->CaptionWidth() == labelled->CaptionWidth())
                caption = std::max(caption, other->CaptionLabel()->sizeHint().width() + TextGap);
        return caption - labelled->CaptionWidth();
    }
    if (qobject_cast<QLabel*>(control))
        return control->sizeHint().width() + TextGap - control->width();
    if (qobject_cast<QAbstractButton*>(control))
        return control->sizeHint().width() - control->width();
    return 0;
}

void Widen(QWidget* control, int extra)
{
    control->resize(control->width() + extra, control->height());
    // A labelled control gives the room to its caption; its input keeps its width.
    if (auto* labelled = qobject_cast<TmirlLabelledPanel*>(control))
        labelled->SetCaptionWidth(labelled->CaptionWidth() + extra);
}

} // namespace

int TfrmCustomOptions::FitChildren(QWidget* container)
{
    QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    // Measured before anything moves: a column is measured as a whole.
    std::map<QWidget*, int> shortfall;
    for (QWidget* child : children)
        shortfall[child] = TextShortfall(child);
    int right = 0;
    for (QWidget* child : children) {
        if (child == chkCustomPieceCounts || child == pnlBottom || child->isWindow())
            continue;
        int extra = std::max(IsContainer(child) ? FitChildren(child) : 0, shortfall[child]);
        if (child == lblNote && extra > 0) {
            // The note is aligned to the right: it grows to the left.
            const int left = std::max(5, child->x() - extra);
            child->setGeometry(left, child->y(), child->x() + child->width() - left, child->height());
            extra = 0;
        }
        if (extra > 0) {
            const int oldRight = child->x() + child->width();
            Widen(child, extra);
            for (QWidget* sibling : children)
                if (sibling != child && sibling->x() >= oldRight)
                    sibling->move(sibling->x() + extra, sibling->y());
        }
        right = std::max(right, child->x() + child->width());
    }
    // The room the design left at the right of the container's controls stays.
    int designedRight = 0;
    int designedWidth = container->width();
    for (const TDesignedPlace& place : Design) {
        if (place.Widget == container)
            designedWidth = place.Geometry.width();
        else if (place.Widget->parentWidget() == container && place.Widget != chkCustomPieceCounts &&
                 place.Widget != pnlBottom)
            designedRight = std::max(designedRight, place.Geometry.right() + 1);
    }
    const int room = std::max(0, designedWidth - designedRight);
    return std::max(0, right + room - container->width());
}

void TfrmCustomOptions::FitTexts()
{
    const int extra = FitChildren(pnlContent);
    WideSize = QSize(ClientWidth + extra, ContentHeight);
    WideImageAt = pnlImage->pos();
    WideFairAt = pnlFair->pos();
    // OK and Cancel keep their distance from the bottom strip's right edge,
    // however wide the dialog is (LayOutClient).
    const int cancelRight = btnCancel->x() + btnCancel->width();
    FitChildren(pnlBottom);
    const int shift = cancelRight - (btnCancel->x() + btnCancel->width());
    for (QWidget* button : {static_cast<QWidget*>(btnOk), static_cast<QWidget*>(btnCancel)})
        button->move(button->x() + shift, button->y());
    Arrange();
}

void TfrmCustomOptions::FitScreen(std::optional<QSize> room)
{
    Room = room;
    Arrange();
}

QSize TfrmCustomOptions::ScreenRoom() const
{
    // A dialog not yet shown knows neither its screen for sure nor its
    // frame: those of the window it opens over are the best guess.
    const QWidget* over = parentWidget() != nullptr ? parentWidget()->window() : this;
    const QScreen* where = over->screen();
    if (where == nullptr)
        return {};
    // A maximised window may have lost its borders: its frame is a guess
    // no smaller than the usual one.
    QMargins frame = UsualFrame;
    if (over != this && over->windowHandle() != nullptr) {
        const QMargins known = over->windowHandle()->frameMargins();
        frame = QMargins(std::max(frame.left(), known.left()), std::max(frame.top(), known.top()),
                         std::max(frame.right(), known.right()), std::max(frame.bottom(), known.bottom()));
    }
    return where->availableGeometry().size().shrunkBy(frame);
}

QSize TfrmCustomOptions::PlaceParts(TOptionsArrangement arrangement)
{
    if (arrangement == TOptionsArrangement::Wide) {
        pnlImage->move(WideImageAt);
        pnlFair->move(WideFairAt);
        return WideSize;
    }
    const QPoint countsBottom = grpPie->mapTo(pnlContent, QPoint(0, grpPie->height()));
    const QPoint fairGroupAt(GroupMargin, countsBottom.y() + GroupGap);
    pnlFair->move(fairGroupAt - grpFair->pos());
    const int fairRight = fairGroupAt.x() + grpFair->width() + GroupMargin;
    const int fairBottom = fairGroupAt.y() + grpFair->height() + GroupMargin;
    const int pictureBottom = imgBoard->y() + imgBoard->height() + GroupMargin;
    if (arrangement == TOptionsArrangement::FairBelowCounts) {
        pnlImage->move(WideImageAt);
        return QSize(std::max(WideImageAt.x() + pnlImage->width(), fairRight),
                     std::max({ContentHeight, WideImageAt.y() + pictureBottom, fairBottom}));
    }
    // One column: the picture beside the rules, its caption level with their
    // group's title.
    pnlImage->move(fairRight - imgBoard->x(), fairGroupAt.y() - lblShapeExample->y());
    return QSize(std::max(pnlMainLeft->width(), pnlImage->x() + pnlImage->width()),
                 std::max(fairBottom, pnlImage->y() + pictureBottom));
}

void TfrmCustomOptions::Arrange()
{
    std::array<TBox, OptionsArrangementCount> content;
    for (int i = 0; i < OptionsArrangementCount; ++i) {
        const QSize size = PlaceParts(static_cast<TOptionsArrangement>(i));
        content[static_cast<std::size_t>(i)] = {size.width(), size.height()};
    }
    const int bar = scrContent->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrContent);
    std::optional<TBox> room;
    if (Room && !Room->isEmpty())
        room = TBox{Room->width(), Room->height()};
    CurrentFit = FitOptions(content, BottomHeight, bar, room);

    pnlContent->resize(PlaceParts(CurrentFit.Arrangement));
    scrContent->setHorizontalScrollBarPolicy(CurrentFit.ScrollsAcross ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    scrContent->setVerticalScrollBarPolicy(CurrentFit.ScrollsDown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    const QSize client(CurrentFit.Client.Width, CurrentFit.Client.Height);
    if (CurrentFit.ScrollsAcross || CurrentFit.ScrollsDown) {
        // The player may make it larger, up to the whole of it, or smaller.
        const QSize whole = pnlContent->size() + QSize(CurrentFit.ScrollsDown ? bar : 0,
                                                       BottomHeight + (CurrentFit.ScrollsAcross ? bar : 0));
        setMinimumSize(LeastScrolledSize.boundedTo(client));
        setMaximumSize(whole.expandedTo(client));
        resize(client);
    } else {
        setFixedSize(client);
    }
    LayOutClient();
}

void TfrmCustomOptions::LayOutClient()
{
    const int shift = width() - pnlBottom->width();
    scrContent->setGeometry(0, 0, width(), height() - BottomHeight);
    pnlBottom->setGeometry(0, height() - BottomHeight, width(), BottomHeight);
    if (shift != 0)
        for (QWidget* button : {static_cast<QWidget*>(btnOk), static_cast<QWidget*>(btnCancel)})
            button->move(button->x() + shift, button->y());
}

void TfrmCustomOptions::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (pnlBottom != nullptr)
        LayOutClient();
}

void TfrmCustomOptions::setVisible(bool visible)
{
    const bool showing = visible && !isVisible();
    if (showing)
        FitScreen(ScreenRoom());
    QDialog::setVisible(visible);
    // Placed before the window manager framed it, a dialog as high as the
    // screen may have its title bar above the screen: once the frame is
    // known, the whole of it is brought onto the screen.
    if (showing)
        QTimer::singleShot(FrameKnownMs, this, [this] {
            const QScreen* where = screen();
            const QRect frame = frameGeometry();
            if (where == nullptr || where->availableGeometry().contains(frame))
                return;
            const QRect room = where->availableGeometry();
            const QPoint inside(
                std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width() + 1)),
                std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1)));
            move(inside);
        });
}

void TfrmCustomOptions::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && !Design.empty())
        Retranslate();
}

void TfrmCustomOptions::SetOptions(const TOptionsValues& values)
{
    // Land, water and dice counts come first in CountKeys order.
    for (int i = 0; i < CountEditCount; ++i)
        CountEdits[i]->SetText(ToQString(values.Counts[i]));
    SetCustomPieceCounts(values.CustomPieceCounts);
    for (std::size_t i = 0; i < FairRuleRows.size(); ++i)
        chkFair[i]->setChecked(values.Fair.*FairRuleRows[i].Field);
    SelectLandMass(ToQString(values.LandMass));
    SelectShape(ToQString(values.Shape));
    RefreshControls();
}

TOptionsValues TfrmCustomOptions::GetOptions() const
{
    TOptionsValues values;
    values.Shape = GetShapeText().toStdString();
    values.LandMass = GetLandMassText().toStdString();
    values.CustomPieceCounts = GetCustomPieceCounts();
    values.Counts = CountTexts();
    for (std::size_t i = 0; i < FairRuleRows.size(); ++i)
        values.Fair.*FairRuleRows[i].Field = chkFair[i]->isChecked();
    return values;
}

void TfrmCustomOptions::SetCustomPieceCounts(bool value) { chkCustomPieceCounts->setChecked(value); }

bool TfrmCustomOptions::GetCustomPieceCounts() const { return chkCustomPieceCounts->isChecked(); }

// The lists show the names in the language in force; the settings and the
// rules take the English names, which are their entries' positions.
void TfrmCustomOptions::SelectShape(const QString& text)
{
    cboShape->SetItemIndex(ShapeIndex(text.toStdString()));
}

void TfrmCustomOptions::SelectLandMass(const QString& text)
{
    int index = -1;
    for (std::size_t i = 0; i < LandMassNames.size(); ++i)
        if (SameText(LandMassNames[i], text.toStdString()))
            index = static_cast<int>(i);
    cboLandMass->SetItemIndex(index);
}

QString TfrmCustomOptions::GetShapeText() const
{
    const int index = cboShape->ItemIndex();
    return index >= 0 ? ToQString(ShapeNames[static_cast<std::size_t>(index)]) : cboShape->Text();
}

QString TfrmCustomOptions::GetLandMassText() const
{
    const int index = cboLandMass->ItemIndex();
    return index >= 0 ? ToQString(LandMassNames[static_cast<std::size_t>(index)]) : cboLandMass->Text();
}

QString TfrmCustomOptions::GetCountText(int index) const
{
    return CountEdits[index]->Text();
}

TCountTexts TfrmCustomOptions::CountTexts() const
{
    TCountTexts texts;
    for (int i = 0; i < CountEditCount; ++i)
        texts[i] = CountEdits[i]->Text().toStdString();
    return texts;
}

void TfrmCustomOptions::RefreshControls()
{
    UpdateLandTotal();
    UpdateDiceTotal();
    UpdatePieceEditing();
    UpdateLandMassControl();
    UpdateShapeExample();
}

void TfrmCustomOptions::UpdateLandTotal()
{
    lblTotalLandValue->setText(QString::number(LandTotal(CountTexts())));
    lblTotalLandValue->adjustSize();
}

void TfrmCustomOptions::UpdateDiceTotal()
{
    lblTotalDieValue->setText(QString::number(DiceTotal(CountTexts())));
    lblTotalDieValue->adjustSize();
}

void TfrmCustomOptions::UpdatePieceEditing()
{
    const bool editable = LandAndWaterEditable(GetShapeText().toStdString());
    for (int i = FirstLandCount; i < FirstLandCount + LandCountCount + WaterCountCount; ++i)
        CountEdits[i]->SetReadOnlyControl(!editable);
    lblNote->setVisible(!editable);
}

void TfrmCustomOptions::UpdateLandMassControl()
{
    cboLandMass->setVisible(LandMassShown(GetShapeText().toStdString()));
}

void TfrmCustomOptions::UpdateShapeExample()
{
    const std::string shape = GetShapeText().toStdString();
    const int index = ShapeIndex(shape);
    lblShapeExample->setText(ToQString(ShapeExampleCaption(shape)));
    const QImage picture = index >= 0 ? ShapeExampleImage(index, imgBoard->devicePixelRatioF()) : QImage();
    if (picture.isNull())
        imgBoard->clear();
    else
        imgBoard->setPixmap(QPixmap::fromImage(picture));
}

void TfrmCustomOptions::cboShapeChange()
{
    UpdatePieceEditing();
    UpdateLandMassControl();
    UpdateShapeExample();
}

void TfrmCustomOptions::LandExit(TmirlEdit* sender)
{
    sender->SetText(ToQString(NormalisedCountText(sender->Text().toStdString())));
    UpdateLandTotal();
}

void TfrmCustomOptions::DieExit(TmirlEdit* sender)
{
    sender->SetText(ToQString(NormalisedCountText(sender->Text().toStdString())));
    UpdateDiceTotal();
}

void TfrmCustomOptions::btnPieceSetClick(const TPieceSet& set)
{
    const TCountTexts texts = PieceSetTexts(set);
    for (int i = 0; i < CountEditCount; ++i)
        CountEdits[i]->SetText(ToQString(texts[i]));
    UpdateLandTotal();
    UpdateDiceTotal();
}

void TfrmCustomOptions::btnOkClick()
{
    // Enter presses OK without leaving the edit being typed in, so the totals
    // shown may be behind the edits: bring them up to date before judging.
    UpdateLandTotal();
    UpdateDiceTotal();
    const TCountTexts texts = CountTexts();
    const auto question =
        DiceShortageQuestion(GetShapeText().toStdString(), LandTotal(texts), DiceTotal(texts));
    if (question && !Confirm(this, ToQString(*question)))
        return; // No: the dialog stays open as it was
    accept();
}

bool RunShapeAndPieceOptions(QWidget* parent, TBoardSettings& settings, TConfirmQuestion ask)
{
    TfrmCustomOptions dialog(parent);
    if (ask)
        dialog.SetConfirmQuestion(std::move(ask));
    dialog.SetOptions(OptionsFromSettings(settings));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    StoreOptions(dialog.GetOptions(), settings);
    return true;
}

} // namespace vornia
