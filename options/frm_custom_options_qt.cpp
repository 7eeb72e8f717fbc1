#include "frm_custom_options_qt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

#include "board/fair_rules.h"
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

const QString DialogCaption = QStringLiteral("Shape And Piece Options");
const QString NoteText =
    QStringLiteral("(Land and Water counts not available for this shape");

TmirlEdit* MakeCountEdit(QWidget* parent, const char* caption, int left, int top, int width,
                         int captionWidth)
{
    auto* edit = new TmirlEdit(parent);
    edit->setGeometry(left, top, width, LabelledHeight);
    edit->SetCaption(ToQString(caption));
    edit->SetCaptionWidth(captionWidth);
    return edit;
}

TmirlCombobox* MakeList(QWidget* parent, const char* caption, int left, int top, int width)
{
    auto* combo = new TmirlCombobox(parent);
    combo->setGeometry(left, top, width, LabelledHeight);
    combo->SetCaption(ToQString(caption));
    combo->SetCaptionWidth(70);
    combo->SetStyle(TmirlCombobox::csDropDownList);
    combo->SetDropDownCount(24);
    combo->SetSorted(false);
    return combo;
}

// A label that sizes itself to its text, as the form's plain labels do.
QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
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
    setWindowTitle(DialogCaption);
    // The form was laid out for an 8-point sans-serif dialog font of Arial's
    // widths; Liberation Sans has them, the platform's font stands in for it.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Liberation Sans"), dialogFont.family()});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedSize(ClientWidth, ClientHeight);

    CreateControls();
    FormCreate();
    cboShape->setFocus();
}

void TfrmCustomOptions::CreateControls()
{
    // Created in the order of the Tab key (Qt follows the order of creation):
    // the shape group, Dice Tiles, Land, Water, Fair Board, then OK and Cancel.
    pnlMainLeft = MakePanel(this, 0, 0, LeftWidth, ClientHeight - BottomHeight);
    pnlClient = MakePanel(pnlMainLeft, 0, 0, LeftWidth, ClientPanelHeight);
    grpShape = new QGroupBox(QStringLiteral("Shape"), pnlClient);
    grpShape->setGeometry(5, 5, 461, 51);
    cboShape = MakeList(grpShape, "&Shape", 10, 17, 220);
    connect(cboShape, &TmirlCombobox::changed, this, &TfrmCustomOptions::cboShapeChange);
    cboLandMass = MakeList(grpShape, "&Land Mass", 250, 17, 200);

    lblNote = new QLabel(NoteText, pnlClient);
    lblNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblNote->setGeometry(190, 61, 276, lblNote->sizeHint().height());
    lblNote->hide();
    // The flag travels with the settings but is never offered to the player.
    chkCustomPieceCounts = new TmirlCheckbox(
        QStringLiteral("&Use the number of pieces specified below"), pnlClient);
    chkCustomPieceCounts->setGeometry(50, 60, 76, chkCustomPieceCounts->sizeHint().height());
    chkCustomPieceCounts->hide();

    pnlPieceCounts = MakePanel(pnlMainLeft, 0, ClientPanelHeight, LeftWidth, PieceCountsHeight);
    grpPie = new QGroupBox(QStringLiteral("Dice Tiles"), pnlPieceCounts);
    grpPie->setGeometry(5, 5, 211, 206);
    grpLand = new QGroupBox(QStringLiteral("Land"), pnlPieceCounts);
    grpLand->setGeometry(225, 5, 116, 206);
    grpWater = new QGroupBox(QStringLiteral("Water"), pnlPieceCounts);
    grpWater->setGeometry(350, 5, 116, 206);
    CreateCountEdits();

    lblTotalDie = MakeLabel(grpPie, QStringLiteral("Total ="), 10, TotalTop);
    lblTotalDieValue = MakeLabel(grpPie, QString(), 45, TotalTop);
    lblTotalLand = MakeLabel(grpLand, QStringLiteral("Total - Desert ="), 10, TotalTop);
    lblTotalLandValue = MakeLabel(grpLand, QString(), 85, TotalTop);

    pnlFair = MakePanel(this, FormWidth, 0, FairWidth, ClientHeight - BottomHeight);
    grpFair = new QGroupBox(QStringLiteral("Fair Board"), pnlFair);
    grpFair->setGeometry(0, 5, FairWidth - 5, 20 + static_cast<int>(FairRuleRows.size()) * FairBoxStep);
    for (std::size_t i = 0; i < FairRuleRows.size(); ++i) {
        const std::string_view caption = FairRuleRows[i].Caption;
        chkFair[i] = new TmirlCheckbox(ToQString(caption), grpFair);
        chkFair[i]->setGeometry(10, 18 + static_cast<int>(i) * FairBoxStep, FairWidth - 25,
                                chkFair[i]->sizeHint().height());
    }

    pnlImage = MakePanel(this, LeftWidth, 0, ImageWidth, ClientHeight - BottomHeight);
    lblShapeExample = MakeLabel(pnlImage, QStringLiteral("Shape Example:"), 10, 25);
    lblShapeExample->resize(161, lblShapeExample->height());
    // A label paints no background of its own: where there is no picture
    // the panel shows through.
    imgBoard = new QLabel(pnlImage);
    imgBoard->setGeometry(5, 50, ShapeExampleWidth, ShapeExampleHeight);

    pnlBottom = MakePanel(this, 0, ClientHeight - BottomHeight, ClientWidth, BottomHeight);
    btnOk = new TmirlButton(QStringLiteral("OK"), pnlBottom);
    btnOk->setGeometry(OkLeft, 5, 80, 20);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmCustomOptions::btnOkClick);
    btnCancel = new TmirlButton(QStringLiteral("Cancel"), pnlBottom);
    btnCancel->setGeometry(CancelLeft, 5, 80, 20);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCustomOptions::CreateCountEdits()
{
    auto dice = [this](const char* caption, int left, int row) {
        auto* edit = MakeCountEdit(grpPie, caption, left, 20 + row * EditStep, 85, 50);
        connect(edit, &TmirlEdit::exited, this, &TfrmCustomOptions::DieExit);
        return edit;
    };
    edtTwo = dice("&Two:", 10, 0);
    edtThree = dice("Three:", 10, 1);
    edtFour = dice("Four:", 10, 2);
    edtFive = dice("Five:", 10, 3);
    edtSix = dice("Six:", 10, 4);
    edtSeven = dice("Seven:", 10, 5);
    edtEight = dice("Eight:", 115, 0);
    edtNine = dice("Nine:", 115, 1);
    edtTen = dice("Ten:", 115, 2);
    edtEleven = dice("Eleven:", 115, 3);
    edtTwelve = dice("Twelve:", 115, 4);

    auto land = [this](const char* caption, int row) {
        auto* edit = MakeCountEdit(grpLand, caption, 10, 20 + row * EditStep, 95, 60);
        connect(edit, &TmirlEdit::exited, this, &TfrmCustomOptions::LandExit);
        return edit;
    };
    edtBrick = land("&Brick:", 0);
    edtGrain = land("Grain:", 1);
    edtLumber = land("Lumber:", 2);
    edtOre = land("Ore:", 3);
    edtWool = land("Wool:", 4);
    edtDesert = land("Desert:", 5);

    // Water counts are taken as typed: no exit handler.
    auto water = [this](const char* caption, int row) {
        return MakeCountEdit(grpWater, caption, 10, 20 + row * EditStep, 95, 60);
    };
    edtWater = water("&Plain:", 0);
    edtWaterBrick = water("2:1 Brick:", 1);
    edtWaterGrain = water("2:1 Grain:", 2);
    edtWaterLumber = water("2:1 Lumber:", 3);
    edtWaterOre = water("2:1 Ore:", 4);
    edtWaterWool = water("2:1 Wool:", 5);
    edtWaterMark = water("3:1 ?:", 6);

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

void TfrmCustomOptions::SelectShape(const QString& text)
{
    cboShape->SetItemIndex(cboShape->IndexOfItem(text));
}

void TfrmCustomOptions::SelectLandMass(const QString& text)
{
    cboLandMass->SetItemIndex(cboLandMass->IndexOfItem(text));
}

QString TfrmCustomOptions::GetShapeText() const { return cboShape->Text(); }

QString TfrmCustomOptions::GetLandMassText() const { return cboLandMass->Text(); }

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
