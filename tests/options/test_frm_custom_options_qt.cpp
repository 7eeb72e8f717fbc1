#include "options/frm_custom_options_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "render/shape_examples_qt.h"
#include "ui/mirl_buttons_qt.h"
#include "ui/mirl_combobox_qt.h"
#include "ui/mirl_edit_qt.h"
#include "ui/qstring_qt.h"

namespace vornia {
namespace {

const QString QuestionStart =
    QStringLiteral("There are not enough dice tiles to cover all the land pieces that will be used (");

class CustomOptionsDialog : public ::testing::Test {
protected:
    TBoardSettings Settings;
    std::unique_ptr<TfrmCustomOptions> Dialog;
    QStringList Questions;
    bool Answer = true;

    void Open()
    {
        Dialog = std::make_unique<TfrmCustomOptions>();
        Dialog->SetConfirmQuestion([this](QWidget*, const QString& text) {
            Questions.append(text);
            return Answer;
        });
        Dialog->SetOptions(OptionsFromSettings(Settings));
        Dialog->show();
        // The offscreen platform's screen is 800 x 600: these tests look at
        // the form as designed, on a screen with room for it.
        Dialog->FitScreen(QSize(1600, 1000));
        Dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog.get()));
    }

    // Replaces the edit's text by typing, the focus staying in the edit.
    static void TypeInto(TmirlEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->EditControl()->selectAll();
        QTest::keyClick(edit->EditControl(), Qt::Key_Backspace);
        QTest::keyClicks(edit->EditControl(), text);
    }

    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    QStringList AllCountTexts() const
    {
        QStringList texts;
        for (int i = 0; i < CountEditCount; ++i)
            texts.append(Dialog->GetCountText(i));
        return texts;
    }

    bool LandAndWaterReadOnly() const
    {
        bool all = true, none = true;
        for (int i = FirstLandCount; i < FirstLandCount + LandCountCount + WaterCountCount; ++i) {
            const bool readOnly = Dialog->CountEdit(i)->ReadOnlyControl();
            all = all && readOnly;
            none = none && !readOnly;
        }
        EXPECT_TRUE(all || none) << "land and water edits disagree";
        return all;
    }
};

TEST_F(CustomOptionsDialog, LaidOutAsDesigned)
{
    Open();
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Shape And Piece Options"));
    EXPECT_EQ(Dialog->windowType(), Qt::Tool);
    // The form's 713 pixels and the "Fair Board" column to their right.
    EXPECT_EQ(Dialog->size(), QSize(713 + 230, 335));

    // Positions within the dialog: container offsets plus the control's own.
    const int bottom = 335 - 35;
    const int pieces = 78;
    const struct {
        const char* name;
        QWidget* widget;
        QRect rect;
    } rows[] = {
        // OK and Cancel keep their distance from the bottom-right corner.
        {"btnOk", Dialog->btnOk, {943 - 175, bottom + 5, 80, 20}},
        {"btnCancel", Dialog->btnCancel, {943 - 90, bottom + 5, 80, 20}},
        // The player buttons at the strip's left.
        {"btnPieceSet 3-4", Dialog->btnPieceSet[0], {5, bottom + 5, 80, 20}},
        {"btnPieceSet 5-6", Dialog->btnPieceSet[1], {90, bottom + 5, 80, 20}},
        {"imgBoard", Dialog->imgBoard, {480 + 5, 50, 219, 187}},
        {"grpShape", Dialog->grpShape, {5, 5, 461, 51}},
        {"cboShape", Dialog->cboShape, {5 + 10, 5 + 17, 220, 23}},
        {"cboShape input", Dialog->cboShape->ComboControl(), {5 + 10 + 70, 5 + 17, 150, 21}},
        {"grpPie", Dialog->grpPie, {5, pieces + 5, 211, 206}},
        {"edtTwo", Dialog->edtTwo, {5 + 10, pieces + 5 + 20, 85, 23}},
        {"edtTwelve input", Dialog->edtTwelve->EditControl(), {5 + 115 + 50, pieces + 5 + 120, 35, 21}},
        {"grpLand", Dialog->grpLand, {225, pieces + 5, 116, 206}},
        {"edtDesert", Dialog->edtDesert, {225 + 10, pieces + 5 + 145, 95, 23}},
        {"grpWater", Dialog->grpWater, {350, pieces + 5, 116, 206}},
        {"edtWaterMark input", Dialog->edtWaterMark->EditControl(), {350 + 10 + 60, pieces + 5 + 170, 35, 21}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect placed(row.widget->mapTo(Dialog.get(), QPoint(0, 0)), row.widget->size());
        EXPECT_EQ(placed, row.rect);
    }
    EXPECT_EQ(Dialog->lblTotalLand->mapTo(Dialog->grpLand, QPoint(0, 0)), QPoint(10, 185));
    EXPECT_EQ(Dialog->lblTotalLandValue->mapTo(Dialog->grpLand, QPoint(0, 0)), QPoint(85, 185));
    EXPECT_EQ(Dialog->edtWaterMark->Caption(), QStringLiteral("3:1 ?:"));
    EXPECT_EQ(Dialog->edtBrick->Caption(), QStringLiteral("&Brick:"));
    EXPECT_FALSE(Dialog->chkCustomPieceCounts->isVisible());
    EXPECT_TRUE(Dialog->btnOk->isDefault());
}

TEST_F(CustomOptionsDialog, ListsInTheirOrder)
{
    Open();
    QStringList shapes;
    for (auto name : ShapeNames)
        shapes.append(ToQString(name));
    EXPECT_EQ(Dialog->cboShape->Items(), shapes);
    // The large island among the others by the alphabet: the later indices shift.
    EXPECT_EQ(shapes.at(7), QStringLiteral("large traditional"));
    EXPECT_EQ(shapes.at(12), QStringLiteral("valley"));
    EXPECT_EQ(Dialog->cboLandMass->Items(),
              QStringList({QStringLiteral("any"), QStringLiteral("low"), QStringLiteral("medium"),
                           QStringLiteral("high")}));
}

TEST_F(CustomOptionsDialog, FilledFromTheSettings)
{
    Settings.Shape = "Random";
    Settings.MassDensity = "HIGH";
    Settings.CustomPieceCounts = true;
    Settings.DesertCount = 7;
    Settings.WaterMarkCount = 5;
    Open();
    EXPECT_EQ(Dialog->GetShapeText(), QStringLiteral("random"));
    EXPECT_EQ(Dialog->GetLandMassText(), QStringLiteral("high"));
    EXPECT_TRUE(Dialog->GetCustomPieceCounts());
    EXPECT_EQ(Dialog->edtDesert->Text(), QStringLiteral("7"));
    EXPECT_EQ(Dialog->edtWaterMark->Text(), QStringLiteral("5"));
    EXPECT_EQ(Dialog->lblTotalLandValue->text(), QStringLiteral("18"));
    EXPECT_EQ(Dialog->lblTotalDieValue->text(), QStringLiteral("18"));
    EXPECT_FALSE(LandAndWaterReadOnly());
    EXPECT_TRUE(Dialog->cboLandMass->isVisible());
}

TEST_F(CustomOptionsDialog, ControlsFollowTheChosenShape)
{
    Open();
    const struct {
        const char* shape;
        bool editable;
        bool landMass;
    } rows[] = {
        {"random", true, true},
        {"albatross", false, false},
        {"cross", true, false},
        {"traditional", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shape);
        // As the player picks it: through the list's selection.
        Dialog->cboShape->SetItemIndex(Dialog->cboShape->IndexOfItem(QString::fromUtf8(row.shape)));
        EXPECT_EQ(LandAndWaterReadOnly(), !row.editable);
        EXPECT_EQ(Dialog->lblNote->isVisible(), !row.editable);
        EXPECT_EQ(Dialog->cboLandMass->isVisible(), row.landMass);
        EXPECT_FALSE(Dialog->edtTwo->ReadOnlyControl());
        EXPECT_EQ(Dialog->lblShapeExample->text(),
                  QString::fromUtf8(row.shape) + QStringLiteral(" example:"));
    }
    EXPECT_EQ(Dialog->lblNote->text(),
              QStringLiteral("(Land and Water counts not available for this shape"));
}

TEST_F(CustomOptionsDialog, ValleyShowsItsPicture)
{
    Open();
    const int valleyIndex = ShapeIndex("valley");
    Dialog->cboShape->SetItemIndex(valleyIndex);
    EXPECT_EQ(Dialog->lblShapeExample->text(), QStringLiteral("valley example:"));
    // Drawn for the screen: also run at a scale factor of 2 (CMakeLists.txt).
    const qreal ratio = Dialog->imgBoard->devicePixelRatioF();
    const QImage shown = Dialog->imgBoard->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage valley = ShapeExampleImage(valleyIndex, ratio).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(valley.isNull());
    EXPECT_EQ(shown, valley);
    EXPECT_EQ(shown.size(), QSize(219, 187) * ratio);
    EXPECT_NE(shown, ShapeExampleImage(ShapeIndex("wolf"), ratio).convertToFormat(QImage::Format_RGB32));
}

TEST_F(CustomOptionsDialog, LandAndDiceEditsAreNormalisedWhenLeft)
{
    Settings.Shape = "random";
    Open();
    const struct {
        const char* name;
        TmirlEdit* edit;
        const char* typed;
        const char* shown; // after Tab
    } rows[] = {
        {"land, not a number", Dialog->edtBrick, "abc", "0"},
        {"land, leading zeros", Dialog->edtGrain, "007", "7"},
        {"land, empty", Dialog->edtWool, "", "0"},
        {"dice, negative", Dialog->edtTwo, "-3", "0"},
        {"dice, above 500 stays", Dialog->edtSeven, "501", "501"},
        {"water is never normalised", Dialog->edtWater, "abc", "abc"},
        {"3:1 is water too", Dialog->edtWaterMark, "-3", "-3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TypeInto(row.edit, QString::fromUtf8(row.typed));
        EXPECT_EQ(row.edit->Text(), QString::fromUtf8(row.typed)); // not while typing
        Press(Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), row.edit->EditControl());
        EXPECT_EQ(row.edit->Text(), QString::fromUtf8(row.shown));
    }
    // Brick 0, Grain 7, Lumber 4, Ore 3, Wool 0; dice 18 - 1 (Two) + 501 (Seven).
    EXPECT_EQ(Dialog->lblTotalLandValue->text(), QStringLiteral("14"));
    EXPECT_EQ(Dialog->lblTotalDieValue->text(), QStringLiteral("518"));
}

TEST_F(CustomOptionsDialog, TabVisitsTheGroupsInOrder)
{
    Settings.Shape = "random";
    Open();
    std::vector<QWidget*> expected = {Dialog->cboShape->ComboControl(),
                                      Dialog->cboLandMass->ComboControl()};
    for (int i = 0; i < DiceCountCount; ++i)
        expected.push_back(Dialog->CountEdit(FirstDiceCount + i)->EditControl());
    for (int i = 0; i < LandCountCount + WaterCountCount; ++i)
        expected.push_back(Dialog->CountEdit(FirstLandCount + i)->EditControl());
    for (auto* box : Dialog->chkFair)
        expected.push_back(box);
    expected.push_back(Dialog->btnOk);
    expected.push_back(Dialog->btnCancel);
    for (auto* button : Dialog->btnPieceSet)
        expected.push_back(button);

    Dialog->cboShape->setFocus();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]);
        Press(Qt::Key_Tab);
    }
    // Round the end and back.
    EXPECT_EQ(QApplication::focusWidget(), expected.front());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), expected.back());
}

TEST_F(CustomOptionsDialog, EnterAcceptsAndEscapeCancels)
{
    Open();
    TypeInto(Dialog->edtTwelve, QStringLiteral("3"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_TRUE(Questions.isEmpty());

    Open();
    TypeInto(Dialog->edtTwelve, QStringLiteral("3"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(Dialog->isVisible());
}

TEST_F(CustomOptionsDialog, TraditionalAsksForEighteenDice)
{
    Open();
    // 17 dice, typed and confirmed with Enter without leaving the edit.
    TypeInto(Dialog->edtTwo, QStringLiteral("0"));
    Answer = false;
    const QStringList before = AllCountTexts();
    Press(Qt::Key_Return);
    ASSERT_EQ(Questions.size(), 1);
    EXPECT_EQ(Questions.at(0), QuestionStart + QStringLiteral("18). Continue?"));
    // No: still open, nothing changed.
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_NE(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(AllCountTexts(), before);
    EXPECT_EQ(Dialog->GetShapeText(), QStringLiteral("traditional"));

    Answer = true;
    QTest::mouseClick(Dialog->btnOk, Qt::LeftButton);
    EXPECT_EQ(Questions.size(), 2);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
}

// "5–6 Players" and "3–4 Players" fill the 24 counts and the totals but
// leave the shape; Enter on either still means OK.
TEST_F(CustomOptionsDialog, PlayerButtonsFillTheCounts)
{
    Settings.Shape = "cross";
    Settings.PieSevenCount = 4;
    Open();
    EXPECT_EQ(Dialog->btnPieceSet[1]->text(), QStringLiteral("5–6 Players"));
    QTest::mouseClick(Dialog->btnPieceSet[1], Qt::LeftButton);
    QStringList large;
    for (const int n : PieceSets[1].Counts)
        large.append(QString::number(n));
    EXPECT_EQ(AllCountTexts(), large);
    EXPECT_EQ(Dialog->lblTotalLandValue->text(), QStringLiteral("28"));
    EXPECT_EQ(Dialog->lblTotalDieValue->text(), QStringLiteral("28"));
    EXPECT_EQ(Dialog->GetShapeText(), QStringLiteral("cross"));

    Dialog->btnPieceSet[0]->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(Dialog->lblTotalLandValue->text(), QStringLiteral("18"));
    EXPECT_EQ(Dialog->GetCountText(FirstDiceCount + 5), QStringLiteral("0"));
    for (auto* button : Dialog->btnPieceSet)
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
    Press(Qt::Key_Return);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
}

TEST_F(CustomOptionsDialog, TraditionalIgnoresTheLandCounts)
{
    Settings.BrickCount = 100;
    Open();
    QTest::mouseClick(Dialog->btnOk, Qt::LeftButton);
    EXPECT_TRUE(Questions.isEmpty());
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
}

TEST_F(CustomOptionsDialog, OtherShapesNeedTheirLandTotal)
{
    Settings.Shape = "random";
    Open();
    TypeInto(Dialog->edtBrick, QStringLiteral("4"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Dialog->lblTotalLandValue->text(), QStringLiteral("19"));
    Answer = false;
    QTest::mouseClick(Dialog->btnOk, Qt::LeftButton);
    ASSERT_EQ(Questions.size(), 1);
    EXPECT_EQ(Questions.at(0), QuestionStart + QStringLiteral("19). Continue?"));
    EXPECT_TRUE(Dialog->isVisible());
}

// Runs the modal dialog with RunShapeAndPieceOptions, driving it with drive
// once it is shown. A watchdog closes it should drive fail to.
bool RunDriven(TBoardSettings& settings, const std::function<void(TfrmCustomOptions&)>& drive,
               TConfirmQuestion ask = [](QWidget*, const QString&) { return true; })
{
    QTimer::singleShot(0, [&drive] {
        auto* dialog = qobject_cast<TfrmCustomOptions*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal options dialog";
            return;
        }
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        drive(*dialog);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the dialog was left open";
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(10000);
    return RunShapeAndPieceOptions(nullptr, settings, std::move(ask));
}

TEST(RunShapeAndPieceOptions, OkStoresValidCountsOnly)
{
    TBoardSettings settings;
    const bool accepted = RunDriven(settings, [](TfrmCustomOptions& dialog) {
        dialog.cboShape->SetItemIndex(dialog.cboShape->IndexOfItem(QStringLiteral("cross")));
        const struct {
            TmirlEdit* edit;
            const char* typed;
        } typing[] = {
            {dialog.edtWater, "abc"},     {dialog.edtBrick, "abc"}, {dialog.edtGrain, "501"},
            {dialog.edtWaterMark, "6"},   {dialog.edtTwelve, "2"},  {dialog.edtOre, "500"},
        };
        for (const auto& t : typing) {
            t.edit->setFocus();
            t.edit->EditControl()->selectAll();
            QTest::keyClicks(t.edit->EditControl(), QString::fromUtf8(t.typed));
            QTest::keyClick(t.edit->EditControl(), Qt::Key_Tab);
        }
        EXPECT_EQ(dialog.edtBrick->Text(), QStringLiteral("0"));
        EXPECT_EQ(dialog.edtGrain->Text(), QStringLiteral("501"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_TRUE(accepted);
    TBoardSettings expected;
    expected.Shape = "cross";
    expected.BrickCount = 0;
    expected.OreCount = 500;
    expected.WaterMarkCount = 6;
    expected.PieTwelveCount = 2;
    EXPECT_EQ(settings, expected);
}

TEST(RunShapeAndPieceOptions, CancelEscapeAndCloseChangeNothing)
{
    const struct {
        const char* name;
        std::function<void(TfrmCustomOptions&)> leave;
    } rows[] = {
        {"Cancel", [](TfrmCustomOptions& d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); }},
        {"Escape", [](TfrmCustomOptions&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"close box", [](TfrmCustomOptions& d) { d.close(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TBoardSettings settings;
        settings.Shape = "wolf";
        const TBoardSettings before = settings;
        const bool accepted = RunDriven(settings, [&row](TfrmCustomOptions& dialog) {
            dialog.cboShape->SetItemIndex(1);
            dialog.cboLandMass->SetItemIndex(3);
            dialog.edtTwo->setFocus();
            dialog.edtTwo->EditControl()->selectAll();
            QTest::keyClicks(dialog.edtTwo->EditControl(), QStringLiteral("9"));
            QTest::keyClick(dialog.edtTwo->EditControl(), Qt::Key_Tab);
            row.leave(dialog);
        });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(settings, before);
    }
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

TEST_F(CustomOptionsDialog, FairBoardGroupRightOfTheFormFilledFromTheSettings)
{
    Settings.Fair.NoAdjacentEqual = true;
    Settings.Fair.BalancedPips = true;
    Open();
    EXPECT_EQ(Dialog->grpFair->title(), QStringLiteral("Fair Board"));
    EXPECT_GE(Dialog->grpFair->mapTo(Dialog.get(), QPoint(0, 0)).x(), 713);
    const struct {
        const char* caption;
        bool checked;
    } rows[] = {
        {"No 6 and 8 side by side", false},
        {"No equal numbers side by side", true},
        {"No equal resources side by side", false},
        {"Balance pips per resource", true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].caption);
        QCheckBox* box = Dialog->chkFair[i];
        EXPECT_EQ(box->text(), QString::fromUtf8(rows[i].caption));
        EXPECT_EQ(box->isChecked(), rows[i].checked);
        EXPECT_TRUE(box->isVisible());
        // The whole caption is shown within the group.
        EXPECT_GE(box->width(), box->sizeHint().width());
        EXPECT_TRUE(Dialog->grpFair->contentsRect().contains(QRect(box->pos(), box->size())));
    }
}

TEST(RunShapeAndPieceOptions, FairBoardRulesAreStoredOnOkOnly)
{
    const struct {
        const char* name;
        bool ok;
    } rows[] = {{"OK", true}, {"Cancel", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TBoardSettings settings;
        settings.Fair.NoAdjacentRed = true;
        const bool accepted = RunDriven(settings, [&row](TfrmCustomOptions& dialog) {
            // Red off, resource and pips on.
            for (std::size_t i : {0u, 2u, 3u})
                QTest::mouseClick(dialog.chkFair[i], Qt::LeftButton);
            QTest::mouseClick(row.ok ? dialog.btnOk : dialog.btnCancel, Qt::LeftButton);
        });
        EXPECT_EQ(accepted, row.ok);
        TBoardSettings expected;
        expected.Fair.NoAdjacentRed = !row.ok;
        expected.Fair.NoAdjacentResource = row.ok;
        expected.Fair.BalancedPips = row.ok;
        EXPECT_EQ(settings, expected);
    }
}

} // namespace
} // namespace vornia

namespace vornia {
namespace {

// Run on the offscreen platform's 800 x 600 screen, and in CTest on one of
// 1280 x 800 at scale factor 2 as well: the dialog lies on the screen, and
// every control on it, scrolled into view as it takes the focus.
TEST(CustomOptionsOnASmallScreen, EveryControlLiesOnTheScreen)
{
    TBoardSettings settings;
    settings.Shape = "random"; // every control shown, the land mass too
    TfrmCustomOptions dialog;
    dialog.SetOptions(OptionsFromSettings(settings));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QRect screen = dialog.screen()->availableGeometry();
    ASSERT_LT(screen.width(), 943) << "a screen narrower than the form as designed";
    EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << "the dialog is larger than the screen";
    EXPECT_NE(dialog.Fit().Arrangement, TOptionsArrangement::Wide);

    int controls = 0;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                           qobject_cast<QAbstractButton*>(control);
        if (!input || !control->isVisibleTo(&dialog) || qobject_cast<QScrollBar*>(control->parentWidget()))
            continue;
        SCOPED_TRACE(control->objectName().toStdString() + " " + control->parentWidget()->objectName().toStdString());
        ++controls;
        control->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), control);
        // Shown whole: on the screen, and not cut off by the scrolled area.
        EXPECT_TRUE(screen.contains(QRect(control->mapToGlobal(QPoint(0, 0)), control->size())));
        EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect());
    }
    // 24 counts, 2 lists, 4 rules, OK and Cancel.
    EXPECT_GE(controls, 32);
}

} // namespace
} // namespace vornia
