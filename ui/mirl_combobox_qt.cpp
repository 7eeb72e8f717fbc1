#include "mirl_combobox_qt.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace vornia {

namespace {

bool LessText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

TmirlCombobox::TmirlCombobox(QWidget* parent) : TmirlLabelledPanel(parent)
{
    FCombo = new QComboBox(this);
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
    return FCombo->isEditable() ? csDropDown : csDropDownList;
}

void TmirlCombobox::SetStyle(TComboStyle value)
{
    FCombo->setEditable(value == csDropDown);
    if (FCombo->isEditable())
        FCombo->setInsertPolicy(QComboBox::NoInsert);
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
