#include "ui/mirl_buttons_qt.h"
#include "ui/mirl_combobox_qt.h"
#include "ui/mirl_edit_qt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vornia {
namespace {

// A window with two labelled edits and a button, shown and active, so that
// the focus really moves.
struct TFocusWindow {
    QWidget Window;
    TmirlEdit* First = new TmirlEdit(&Window);
    TmirlEdit* Second = new TmirlEdit(&Window);
    QPushButton* Button = new QPushButton(QStringLiteral("Go"), &Window);

    TFocusWindow()
    {
        First->move(0, 0);
        Second->move(0, 30);
        Button->move(0, 60);
        Window.resize(200, 100);
        Window.show();
        Window.activateWindow();
    }
};

template <class Composite>
void ExpectDefaultGeometry(Composite& composite, QWidget* input)
{
    EXPECT_EQ(composite.size(), QSize(160, 23));
    EXPECT_EQ(composite.CaptionLabel()->geometry(), QRect(0, 2, 70, 17));
    EXPECT_EQ(composite.CaptionLabel()->text(), QStringLiteral("Caption:"));
    EXPECT_EQ(composite.CaptionLabel()->buddy(), input);
    EXPECT_EQ(composite.focusProxy(), input);
    EXPECT_EQ(input->geometry(), QRect(70, 0, 90, 21));
    EXPECT_EQ(composite.frameShape(), QFrame::NoFrame);
}

TEST(MirlControls, ComposedAsDesigned)
{
    {
        SCOPED_TRACE("TmirlEdit");
        TmirlEdit edit;
        ExpectDefaultGeometry(edit, edit.EditControl());
        EXPECT_TRUE(edit.Text().isEmpty());
        EXPECT_FALSE(edit.ReadOnlyControl());
        EXPECT_TRUE(edit.TabStop());
    }
    {
        SCOPED_TRACE("TmirlCombobox");
        TmirlCombobox combo;
        ExpectDefaultGeometry(combo, combo.ComboControl());
        EXPECT_EQ(combo.Style(), TmirlCombobox::csDropDownList);
        EXPECT_FALSE(combo.ComboControl()->isEditable());
        EXPECT_EQ(combo.DropDownCount(), 24);
        EXPECT_FALSE(combo.Sorted());
    }
    TmirlCheckbox check;
    EXPECT_EQ(check.width(), 120);
    TmirlButton button;
    EXPECT_EQ(button.size(), QSize(80, 21));
}

TEST(MirlControls, PropertiesSetByName)
{
    TmirlEdit edit;
    edit.setProperty("Caption", QStringLiteral("Shape"));
    edit.setProperty("PanelWidth", 95);
    edit.setProperty("CaptionWidth", 80);
    EXPECT_EQ(edit.CaptionLabel()->text(), QStringLiteral("Shape:"));
    EXPECT_EQ(edit.property("CaptionWidth").toInt(), 75);
    EXPECT_EQ(edit.EditControl()->geometry(), QRect(75, 0, 20, 21));
}

TEST(MirlControls, GeometryFollowsWidthGivenFromOutside)
{
    // The options form places its dice edits with setGeometry, then narrows
    // the caption; the widget is not shown yet.
    TmirlEdit edit;
    edit.setGeometry(10, 20, 85, 23);
    edit.SetCaptionWidth(50);
    EXPECT_EQ(edit.CaptionLabel()->geometry(), QRect(0, 2, 50, 17));
    EXPECT_EQ(edit.EditControl()->geometry(), QRect(50, 0, 35, 21));

    edit.SetPanelWidth(-1);
    edit.SetCaptionLeft(-1);
    EXPECT_EQ(edit.width(), 85);
    EXPECT_EQ(edit.CaptionLabel()->geometry(), QRect(0, 2, 50, 17));

    edit.SetCaptionLeft(5);
    EXPECT_EQ(edit.CaptionLabel()->geometry(), QRect(5, 2, 50, 17));
    EXPECT_EQ(edit.EditControl()->geometry(), QRect(50, 0, 35, 21));
}

TEST(MirlEdit, ReadOnlyIsGreyAndRefusesTyping)
{
    TFocusWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    QLineEdit* input = w.First->EditControl();
    const QPalette standard = QApplication::palette(input);
    ASSERT_NE(standard.color(QPalette::Button), standard.color(QPalette::Base));

    w.First->SetText(QStringLiteral("3"));
    w.First->SetReadOnlyControl(true);
    EXPECT_EQ(input->palette().color(QPalette::Base), standard.color(QPalette::Button));
    w.First->setFocus();
    QTest::keyClicks(input, QStringLiteral("45"));
    EXPECT_EQ(w.First->Text(), QStringLiteral("3"));

    w.First->SetReadOnlyControl(false);
    EXPECT_EQ(input->palette().color(QPalette::Base), standard.color(QPalette::Base));
    input->end(false);
    QTest::keyClicks(input, QStringLiteral("45"));
    EXPECT_EQ(w.First->Text(), QStringLiteral("345"));
}

TEST(MirlEdit, ChangeNamesTheComposite)
{
    TFocusWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    QSignalSpy spy(w.First, &TmirlEdit::changed);
    w.First->SetText(QStringLiteral("7"));
    w.First->setFocus();
    QTest::keyClick(w.First->EditControl(), Qt::Key_1);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).value<TmirlEdit*>(), w.First);
    EXPECT_EQ(w.First->Text(), QStringLiteral("71"));
}

TEST(MirlEdit, ExitWhenTheFocusLeavesTheComposite)
{
    TFocusWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    QSignalSpy firstExits(w.First, &TmirlEdit::exited);
    QSignalSpy secondExits(w.Second, &TmirlEdit::exited);

    // Focusing the composite puts the caret into its edit.
    w.First->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), w.First->EditControl());
    EXPECT_EQ(firstExits.count(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Second->EditControl());
    ASSERT_EQ(firstExits.count(), 1);
    EXPECT_EQ(firstExits.at(0).at(0).value<TmirlEdit*>(), w.First);
    EXPECT_EQ(secondExits.count(), 0);

    // Clicking the button takes the focus away as well.
    QTest::mouseClick(w.Button, Qt::LeftButton);
    EXPECT_EQ(secondExits.count(), 1);
    EXPECT_EQ(firstExits.count(), 1);
}

TEST(MirlEdit, MnemonicFocusesTheInput)
{
    TFocusWindow w;
    w.Second->SetCaption(QStringLiteral("&Brick"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    w.First->setFocus();
    QTest::keyClick(&w.Window, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.Second->EditControl());
}

TEST(MirlEdit, TabStopOffIsSkippedByTab)
{
    TFocusWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Window));
    w.Second->SetTabStop(false);
    EXPECT_FALSE(w.Second->TabStop());
    w.First->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Button);
}

TEST(MirlEdit, PasswordCharMasksTheText)
{
    TmirlEdit edit;
    edit.SetText(QStringLiteral("abc"));
    edit.SetPasswordChar(QLatin1Char('*'));
    EXPECT_EQ(edit.EditControl()->displayText(), QStringLiteral("***"));
    edit.SetPasswordChar(QLatin1Char('#'));
    EXPECT_EQ(edit.EditControl()->displayText(), QStringLiteral("###"));
    edit.SetPasswordChar(QChar());
    EXPECT_EQ(edit.EditControl()->displayText(), QStringLiteral("abc"));
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
}

TEST(MirlCombobox, EntriesSelectionAndSorting)
{
    TmirlCombobox combo;
    combo.SetItems({QStringLiteral("wolf"), QStringLiteral("Albatross"), QStringLiteral("cross")});
    EXPECT_EQ(combo.IndexOfItem(QStringLiteral("ALBATROSS")), 1);
    EXPECT_EQ(combo.IndexOfItem(QStringLiteral("valley")), -1);

    QSignalSpy spy(&combo, &TmirlCombobox::changed);
    combo.SetItemIndex(2);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<TmirlCombobox*>(), &combo);
    EXPECT_EQ(combo.Text(), QStringLiteral("cross"));

    // Sorting keeps the selected entry selected, wherever it moves.
    combo.SetSorted(true);
    EXPECT_EQ(combo.Items(),
              QStringList({QStringLiteral("Albatross"), QStringLiteral("cross"), QStringLiteral("wolf")}));
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), QStringLiteral("cross"));
    EXPECT_EQ(combo.AddItem(QStringLiteral("Dog leg")), 2);
    EXPECT_EQ(combo.AddItem(QStringLiteral("zebra")), 4);
    EXPECT_EQ(combo.Text(), QStringLiteral("cross"));

    // A drop-down list takes a text only as one of its entries.
    combo.SetText(QStringLiteral("WOLF"));
    EXPECT_EQ(combo.Text(), QStringLiteral("wolf"));
    combo.SetText(QStringLiteral("moose"));
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItemIndex(1);
    combo.SetItemIndex(-1);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_TRUE(combo.Text().isEmpty());
}

TEST(MirlCombobox, DropDownStyleTakesTypedText)
{
    TmirlCombobox combo;
    combo.SetItems({QStringLiteral("any"), QStringLiteral("low")});
    combo.SetStyle(TmirlCombobox::csDropDown);
    EXPECT_TRUE(combo.ComboControl()->isEditable());
    QSignalSpy spy(&combo, &TmirlCombobox::changed);
    combo.SetText(QStringLiteral("lowest"));
    EXPECT_EQ(combo.Text(), QStringLiteral("lowest"));
    EXPECT_EQ(spy.count(), 1);
    // Choosing an entry is one change, not two.
    combo.SetItemIndex(0);
    EXPECT_EQ(spy.count(), 2);
    combo.SetDropDownCount(8);
    EXPECT_EQ(combo.ComboControl()->maxVisibleItems(), 8);
}

} // namespace
} // namespace vornia
