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
    Combo = new TComboInput(this);
    OwnerDelegate = new TOwnerDrawDelegate(*this, this);
    Combo->setEditable(false);
    Combo->setMaxVisibleItems(24);
    Combo->setInsertPolicy(QComboBox::NoInsert);
    AttachInput(Combo);
    // Choosing an entry of an editable list changes both the index and the
    // text; the pair is reported once.
    connect(Combo, &QComboBox::currentIndexChanged, this, &TmirlCombobox::ReportChange);
    connect(Combo, &QComboBox::editTextChanged, this, &TmirlCombobox::ReportChange);
}

void TmirlCombobox::ReportChange()
{
    const int index = Combo->currentIndex();
    const QString text = Combo->currentText();
    if (index == ReportedIndex && text == ReportedText)
        return;
    ReportedIndex = index;
    ReportedText = text;
    emit changed(this);
}

QString TmirlCombobox::Text() const
{
    return Combo->currentText();
}

void TmirlCombobox::SetText(const QString& value)
{
    if (Combo->isEditable())
        Combo->setEditText(value);
    else
        Combo->setCurrentIndex(IndexOfItem(value));
}

TmirlCombobox::TComboStyle TmirlCombobox::Style() const
{
    return ComboStyle;
}

void TmirlCombobox::SetStyle(TComboStyle value)
{
    ComboStyle = value;
    const bool simple = value == csSimple;
    Combo->setEditable(value == csDropDown || simple);
    if (Combo->isEditable())
        Combo->setInsertPolicy(QComboBox::NoInsert);

    if (IsOwnerDrawn()) {
        if (Combo->itemDelegate() != OwnerDelegate) {
            StandardDelegate = Combo->itemDelegate();
            Combo->setItemDelegate(OwnerDelegate);
        }
        if (auto* list = qobject_cast<QListView*>(Combo->view()))
            list->setUniformItemSizes(false);
    } else if (Combo->itemDelegate() == OwnerDelegate) {
        Combo->setItemDelegate(StandardDelegate);
    }

    if (simple)
        MakeSimpleParts();
    AttachInput(simple ? static_cast<QWidget*>(SimpleEditor) : Combo);
    Combo->setVisible(!simple);
    if (SimpleEditor) {
        SimpleEditor->setVisible(simple);
        SimpleListView->setVisible(simple);
    }
    if (simple) {
        SimpleEditor->setText(Combo->currentText());
        ShowSelectionInList();
    }
    Combo->update();
}

void TmirlCombobox::MakeSimpleParts()
{
    if (SimpleEditor)
        return;
    SimpleEditor = new QLineEdit(this);
    SimpleListView = new QListView(this);
    SimpleListView->setModel(Combo->model());
    // The edit keeps the focus; the list is chosen from with the mouse or
    // with the arrow keys in the edit.
    SimpleListView->setFocusPolicy(Qt::NoFocus);
    SimpleListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SimpleListView->setSelectionMode(QAbstractItemView::SingleSelection);
    SimpleEditor->installEventFilter(this);
    connect(SimpleEditor, &QLineEdit::textEdited, Combo, &QComboBox::setEditText);
    connect(Combo, &QComboBox::editTextChanged, SimpleEditor, [this](const QString& text) {
        if (SimpleEditor->text() != text)
            SimpleEditor->setText(text);
    });
    connect(SimpleListView, &QListView::clicked, Combo,
            [this](const QModelIndex& entry) { Combo->setCurrentIndex(entry.row()); });
    connect(Combo, &QComboBox::currentIndexChanged, this, &TmirlCombobox::ShowSelectionInList);
}

void TmirlCombobox::InputPlaced()
{
    if (ComboStyle != csSimple || !SimpleListView)
        return;
    const TLabelledLayout layout = Layout();
    const int top = layout.InputTop + layout.InputHeight;
    SimpleListView->setGeometry(layout.InputLeft, top, layout.InputWidth(), std::max(0, height() - top));
}

void TmirlCombobox::ShowSelectionInList()
{
    if (!SimpleListView)
        return;
    const int index = Combo->currentIndex();
    if (index >= 0) {
        SimpleListView->setCurrentIndex(Combo->model()->index(index, 0));
    } else {
        SimpleListView->clearSelection();
        SimpleListView->setCurrentIndex({});
    }
}

bool TmirlCombobox::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down in the edit of a simple combo box step through the list.
    if (watched == SimpleEditor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && Combo->count() > 0) {
            const int step = key == Qt::Key_Up ? -1 : 1;
            SetItemIndex(std::clamp(Combo->currentIndex() + step, 0, Combo->count() - 1));
            return true;
        }
    }
    return TmirlLabelledPanel::eventFilter(watched, event);
}

void TmirlCombobox::SetItemHeight(int value)
{
    if (value > 0 && value != EntryHeight) {
        EntryHeight = value;
        Combo->update();
    }
}

void TmirlCombobox::SetOnDrawItem(TDrawItem draw)
{
    OnDrawItem = std::move(draw);
    Combo->update();
}

void TmirlCombobox::SetOnMeasureItem(TMeasureItem measure)
{
    OnMeasureItem = std::move(measure);
}

int TmirlCombobox::ItemHeightOf(int index) const
{
    if (ComboStyle == csOwnerDrawVariable && OnMeasureItem)
        return std::max(1, OnMeasureItem(index));
    return EntryHeight;
}

void TmirlCombobox::DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) const
{
    if (OnDrawItem) {
        OnDrawItem(painter, index, rect, state);
        return;
    }
    // No drawer: the entry's text in the list's colours.
    const bool selected = state & QStyle::State_Selected;
    painter.fillRect(rect, palette().color(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Combo->itemText(index));
}

int TmirlCombobox::DropDownCount() const
{
    return Combo->maxVisibleItems();
}

void TmirlCombobox::SetDropDownCount(int value)
{
    if (value >= 0)
        Combo->setMaxVisibleItems(value);
}

void TmirlCombobox::SetSorted(bool value)
{
    if (value == KeepSorted)
        return;
    KeepSorted = value;
    if (KeepSorted)
        SortEntries();
}

void TmirlCombobox::SortEntries()
{
    QStringList entries = Items();
    const int current = Combo->currentIndex();
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
    const QString editText = Combo->currentText();
    {
        const QSignalBlocker blocker(Combo);
        Combo->clear();
        Combo->addItems(entries);
        Combo->setCurrentIndex(newIndex);
        if (Combo->isEditable())
            Combo->setEditText(editText);
    }
    // The same entry and text as before: nothing to report.
    ReportedIndex = Combo->currentIndex();
    ReportedText = Combo->currentText();
    ShowSelectionInList();
}

QStringList TmirlCombobox::Items() const
{
    QStringList entries;
    entries.reserve(Combo->count());
    for (int i = 0; i < Combo->count(); ++i)
        entries.append(Combo->itemText(i));
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
    int index = Combo->count();
    if (KeepSorted) {
        // After the last entry that is not greater: equal texts keep the
        // order in which they came.
        index = 0;
        while (index < Combo->count() && !LessText(text, Combo->itemText(index)))
            ++index;
    }
    Combo->insertItem(index, text);
    return index;
}

int TmirlCombobox::IndexOfItem(const QString& text) const
{
    for (int i = 0; i < Combo->count(); ++i)
        if (QString::compare(Combo->itemText(i), text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TmirlCombobox::ClearItems()
{
    Combo->clear();
}

int TmirlCombobox::ItemIndex() const
{
    return Combo->currentIndex();
}

void TmirlCombobox::SetItemIndex(int index)
{
    Combo->setCurrentIndex(index >= 0 && index < Combo->count() ? index : -1);
}

void TmirlCombobox::RaiseExit() { emit exited(this); }

} // namespace vornia
