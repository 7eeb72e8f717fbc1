#include "mirl_combobox_qt.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace vornia {

namespace {

bool LessText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// The combo box itself: in the owner-drawn styles the closed box shows the
// selected entry as the owner draws it.
class TComboInput final : public QComboBox {
public:
    explicit TComboInput(TmirlCombobox* owner) : QComboBox(owner), Owner(*owner) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!Owner.IsOwnerDrawn() || currentIndex() < 0) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = {};
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        painter.setClipRect(field);
        Owner.DrawItem(painter, currentIndex(), field,
                       hasFocus() ? QStyle::State_Enabled | QStyle::State_Selected : QStyle::State_Enabled);
    }

private:
    const TmirlCombobox& Owner;
};

// The entries of the drop-down list of the owner-drawn styles.
class TOwnerDrawDelegate final : public QStyledItemDelegate {
public:
    TOwnerDrawDelegate(const TmirlCombobox& owner, QObject* parent) : QStyledItemDelegate(parent), Owner(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setClipRect(option.rect);
        Owner.DrawItem(*painter, index.row(), option.rect, option.state);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), Owner.ItemHeightOf(index.row())};
    }

private:
    const TmirlCombobox& Owner;
};

} // namespace

TmirlCombobox::TmirlCombobox(QWidget* parent) : TmirlLabelledPanel(parent)
{
    FCombo = new TComboInput(this);
    FOwnerDelegate = new TOwnerDrawDelegate(*this, this);
    FCombo->setEditable(false);
    FCombo->setMaxVisibleItems(24);
    FCombo->setInsertPolicy(QComboBox::NoInsert);
    AttachInput(FCombo);
    // Choosing an entry of an editable list changes both the index and the
    // text; the pair is reported once.
    connect(FCombo, &QComboBox::currentIndexChanged, this, &TmirlCombobox::ReportChange);
    connect(FCombo, &QComboBox::editTextChanged, this, &TmirlCombobox::ReportChange);
}

void TmirlCombobox::ReportChange()
{
    const int index = FCombo->currentIndex();
    const QString text = FCombo->currentText();
    if (index == FReportedIndex && text == FReportedText)
        return;
    FReportedIndex = index;
    FReportedText = text;
    emit changed(this);
}

QString TmirlCombobox::Text() const { return FCombo->currentText(); }

void TmirlCombobox::SetText(const QString& value)
{
    if (FCombo->isEditable())
        FCombo->setEditText(value);
    else
        FCombo->setCurrentIndex(IndexOfItem(value));
}

TmirlCombobox::TComboStyle TmirlCombobox::Style() const
{
    return FStyle;
}

void TmirlCombobox::SetStyle(TComboStyle value)
{
    FStyle = value;
    const bool simple = value == csSimple;
    FCombo->setEditable(value == csDropDown || simple);
    if (FCombo->isEditable())
        FCombo->setInsertPolicy(QComboBox::NoInsert);

    if (IsOwnerDrawn()) {
        if (FCombo->itemDelegate() != FOwnerDelegate) {
            FStandardDelegate = FCombo->itemDelegate();
            FCombo->setItemDelegate(FOwnerDelegate);
        }
        if (auto* list = qobject_cast<QListView*>(FCombo->view()))
            list->setUniformItemSizes(false);
    } else if (FCombo->itemDelegate() == FOwnerDelegate) {
        FCombo->setItemDelegate(FStandardDelegate);
    }

    if (simple)
        MakeSimpleParts();
    AttachInput(simple ? static_cast<QWidget*>(FSimpleEdit) : FCombo);
    FCombo->setVisible(!simple);
    if (FSimpleEdit) {
        FSimpleEdit->setVisible(simple);
        FSimpleList->setVisible(simple);
    }
    if (simple) {
        FSimpleEdit->setText(FCombo->currentText());
        ShowSelectionInList();
    }
    FCombo->update();
}

void TmirlCombobox::MakeSimpleParts()
{
    if (FSimpleEdit)
        return;
    FSimpleEdit = new QLineEdit(this);
    FSimpleList = new QListView(this);
    FSimpleList->setModel(FCombo->model());
    // The edit keeps the focus; the list is chosen from with the mouse or
    // with the arrow keys in the edit.
    FSimpleList->setFocusPolicy(Qt::NoFocus);
    FSimpleList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FSimpleList->setSelectionMode(QAbstractItemView::SingleSelection);
    FSimpleEdit->installEventFilter(this);
    connect(FSimpleEdit, &QLineEdit::textEdited, FCombo, &QComboBox::setEditText);
    connect(FCombo, &QComboBox::editTextChanged, FSimpleEdit, [this](const QString& text) {
        if (FSimpleEdit->text() != text)
            FSimpleEdit->setText(text);
    });
    connect(FSimpleList, &QListView::clicked, FCombo,
            [this](const QModelIndex& entry) { FCombo->setCurrentIndex(entry.row()); });
    connect(FCombo, &QComboBox::currentIndexChanged, this, &TmirlCombobox::ShowSelectionInList);
}

void TmirlCombobox::InputPlaced()
{
    if (FStyle != csSimple || !FSimpleList)
        return;
    const TLabelledLayout layout = Layout();
    const int top = layout.InputTop + layout.InputHeight;
    FSimpleList->setGeometry(layout.InputLeft, top, layout.InputWidth(), std::max(0, height() - top));
}

void TmirlCombobox::ShowSelectionInList()
{
    if (!FSimpleList)
        return;
    const int index = FCombo->currentIndex();
    if (index >= 0) {
        FSimpleList->setCurrentIndex(FCombo->model()->index(index, 0));
    } else {
        FSimpleList->clearSelection();
        FSimpleList->setCurrentIndex({});
    }
}

bool TmirlCombobox::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down in the edit of a simple combo box step through the list.
    if (watched == FSimpleEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && FCombo->count() > 0) {
            const int step = key == Qt::Key_Up ? -1 : 1;
            SetItemIndex(std::clamp(FCombo->currentIndex() + step, 0, FCombo->count() - 1));
            return true;
        }
    }
    return TmirlLabelledPanel::eventFilter(watched, event);
}

void TmirlCombobox::SetItemHeight(int value)
{
    if (value > 0 && value != FItemHeight) {
        FItemHeight = value;
        FCombo->update();
    }
}

void TmirlCombobox::SetOnDrawItem(TDrawItem draw)
{
    FOnDrawItem = std::move(draw);
    FCombo->update();
}

void TmirlCombobox::SetOnMeasureItem(TMeasureItem measure)
{
    FOnMeasureItem = std::move(measure);
}

int TmirlCombobox::ItemHeightOf(int index) const
{
    if (FStyle == csOwnerDrawVariable && FOnMeasureItem)
        return std::max(1, FOnMeasureItem(index));
    return FItemHeight;
}

void TmirlCombobox::DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) const
{
    if (FOnDrawItem) {
        FOnDrawItem(painter, index, rect, state);
        return;
    }
    // No drawer: the entry's text in the list's colours.
    const bool selected = state & QStyle::State_Selected;
    painter.fillRect(rect, palette().color(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, FCombo->itemText(index));
}

int TmirlCombobox::DropDownCount() const { return FCombo->maxVisibleItems(); }

void TmirlCombobox::SetDropDownCount(int value)
{
    if (value >= 0)
        FCombo->setMaxVisibleItems(value);
}

void TmirlCombobox::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    FSorted = value;
    if (FSorted)
        SortEntries();
}

void TmirlCombobox::SortEntries()
{
    QStringList entries = Items();
    const int current = FCombo->currentIndex();
    const QString selected = current >= 0 ? entries[current] : QString();
    // The entry that was selected stays selected: find it among the equal
    // texts by counting how many equal texts came before it.
    const int rank = current >= 0 ? static_cast<int>(std::count(
                         entries.begin(), entries.begin() + current, selected))
                                  : 0;
    std::stable_sort(entries.begin(), entries.end(), LessText);
    int newIndex = -1;
    for (int i = 0, seen = 0; current >= 0 && i < entries.size(); ++i) {
        if (entries[i] == selected && seen++ == rank) {
            newIndex = i;
            break;
        }
    }
    const QString editText = FCombo->currentText();
    {
        const QSignalBlocker blocker(FCombo);
        FCombo->clear();
        FCombo->addItems(entries);
        FCombo->setCurrentIndex(newIndex);
        if (FCombo->isEditable())
            FCombo->setEditText(editText);
    }
    // The same entry and text as before: nothing to report.
    FReportedIndex = FCombo->currentIndex();
    FReportedText = FCombo->currentText();
    ShowSelectionInList();
}

QStringList TmirlCombobox::Items() const
{
    QStringList entries;
    entries.reserve(FCombo->count());
    for (int i = 0; i < FCombo->count(); ++i)
        entries.append(FCombo->itemText(i));
    return entries;
}

void TmirlCombobox::SetItems(const QStringList& items)
{
    ClearItems();
    for (const QString& text : items)
        AddItem(text);
}

int TmirlCombobox::AddItem(const QString& text)
{
    int index = FCombo->count();
    if (FSorted) {
        // After the last entry that is not greater: equal texts keep the
        // order in which they came.
        index = 0;
        while (index < FCombo->count() && !LessText(text, FCombo->itemText(index)))
            ++index;
    }
    FCombo->insertItem(index, text);
    return index;
}

int TmirlCombobox::IndexOfItem(const QString& text) const
{
    for (int i = 0; i < FCombo->count(); ++i)
        if (QString::compare(FCombo->itemText(i), text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TmirlCombobox::ClearItems() { FCombo->clear(); }

int TmirlCombobox::ItemIndex() const { return FCombo->currentIndex(); }

void TmirlCombobox::SetItemIndex(int index)
{
    FCombo->setCurrentIndex(index >= 0 && index < FCombo->count() ? index : -1);
}

void TmirlCombobox::RaiseExit() { emit exited(this); }

} // namespace vornia
