#include "ui/mirl_buttons_qt.h"
#include "ui/mirl_combobox_qt.h"
#include "ui/mirl_edit_qt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
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

TEST(MirlCombobox, SimpleStyleShowsTheListUnderTheEdit)
{
    QWidget window;
    auto* combo = new TmirlCombobox(&window);
    combo->SetItems({QStringLiteral("any"), QStringLiteral("low"), QStringLiteral("high")});
    combo->SetItemIndex(0);
    combo->SetStyle(TmirlCombobox::csSimple);
    combo->resize(160, 23 + 80);
    window.resize(200, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QLineEdit* edit = combo->SimpleEdit();
    QListView* list = combo->SimpleList();
    EXPECT_EQ(combo->Style(), TmirlCombobox::csSimple);
    EXPECT_FALSE(combo->ComboControl()->isVisible());
    ASSERT_TRUE(edit->isVisible() && list->isVisible());
    EXPECT_EQ(edit->geometry(), QRect(70, 0, 90, 21));
    EXPECT_EQ(list->geometry(), QRect(70, 21, 90, 82));
    EXPECT_EQ(combo->focusProxy(), edit);
    EXPECT_EQ(edit->text(), QStringLiteral("any"));
    EXPECT_EQ(list->currentIndex().row(), 0);

    // A click in the list chooses, once; the edit shows the entry.
    QSignalSpy spy(combo, &TmirlCombobox::changed);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(edit->text(), QStringLiteral("high"));

    // The arrow keys in the edit step through the list; any text may be typed.
    combo->setFocus();
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(combo->Text(), QStringLiteral("low"));
    EXPECT_EQ(list->currentIndex().row(), 1);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("lowest"));
    EXPECT_EQ(combo->Text(), QStringLiteral("lowest"));

    // Sorting moves the mark with the entry; a wider caption narrows the list.
    combo->SetItemIndex(2);
    combo->SetSorted(true);
    EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("high"));
    combo->SetCaptionWidth(100);
    EXPECT_EQ(list->geometry(), QRect(100, 21, 60, 82));

    combo->SetStyle(TmirlCombobox::csDropDownList);
    EXPECT_TRUE(combo->ComboControl()->isVisible());
    EXPECT_FALSE(edit->isVisible() || list->isVisible());
    EXPECT_EQ(combo->focusProxy(), combo->ComboControl());
}

// Each entry painted in a colour of its own, so that the pictures show who drew.
QRgb EntryColour(int index)
{
    return QColor::fromHsv(index * 100, 255, 255).rgb();
}

TEST(MirlCombobox, OwnerDrawnStylesDrawAndMeasureThroughTheOwner)
{
    struct TRow {
        TmirlCombobox::TComboStyle Style;
        int Heights[3];
    };
    const TRow rows[] = {{TmirlCombobox::csOwnerDrawFixed, {19, 19, 19}},
                         {TmirlCombobox::csOwnerDrawVariable, {12, 22, 32}}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Style);
        TmirlCombobox combo;
        combo.SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        combo.SetStyle(row.Style);
        combo.SetItemHeight(19);
        combo.SetOnMeasureItem([](int index) { return 12 + 10 * index; });
        combo.SetOnDrawItem([](QPainter& painter, int index, const QRect& rect, QStyle::State) {
            painter.fillRect(rect, EntryColour(index));
        });
        combo.SetItemIndex(1);
        combo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));

        // The closed box shows the chosen entry as the owner drew it.
        const QImage closed = combo.ComboControl()->grab().toImage();
        EXPECT_EQ(closed.pixel(closed.width() / 3, closed.height() / 2), EntryColour(1));

        combo.ComboControl()->showPopup();
        QAbstractItemView* view = combo.ComboControl()->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QImage popup = view->viewport()->grab().toImage();
        const qreal ratio = popup.devicePixelRatio();
        for (int i = 0; i < 3; ++i) {
            const QRect rect = view->visualRect(view->model()->index(i, 0));
            EXPECT_EQ(rect.height(), row.Heights[i]) << i;
            EXPECT_EQ(popup.pixel(rect.center() * ratio), EntryColour(i)) << i;
        }
        combo.ComboControl()->hidePopup();

        // Back to a plain list: the entries are the toolkit's again.
        combo.SetStyle(TmirlCombobox::csDropDownList);
        const QImage plain = combo.ComboControl()->grab().toImage();
        EXPECT_NE(plain.pixel(plain.width() / 3, plain.height() / 2), EntryColour(1));
    }
}

} // namespace
} // namespace vornia
