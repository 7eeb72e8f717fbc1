// TmirlCombobox: a combo box with its caption on the left, placed on a form
// as one control. A drop-down list by default, showing 24 rows.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/mirl_labelled_qt.h"

class QComboBox;

namespace vornia {

class TmirlCombobox : public TmirlLabelledPanel {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TComboStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)

public:
    // csDropDown: the text may be typed; csDropDownList: only the entries.
    enum TComboStyle { csDropDown, csDropDownList };
    Q_ENUM(TComboStyle)

    explicit TmirlCombobox(QWidget* parent = nullptr);

    QComboBox* ComboControl() const { return FCombo; }

    // The text shown. Setting it on a drop-down list selects the entry with
    // that text (letter case ignored), or none.
    QString Text() const;
    void SetText(const QString& value);
    TComboStyle Style() const;
    void SetStyle(TComboStyle value);
    int DropDownCount() const;
    void SetDropDownCount(int value);
    // A sorted list keeps its entries in alphabetical order, letter case
    // ignored; turning it on sorts the entries it has and keeps the selection.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);

    // The entries.
    QStringList Items() const;
    void SetItems(const QStringList& items);
    // Adds an entry (at its sorted place when Sorted) and returns its index.
    int AddItem(const QString& text);
    // The first entry equal to text, letter case ignored; -1 when none.
    int IndexOfItem(const QString& text) const;
    void ClearItems();
    int ItemIndex() const;
    // Selects entry index; -1 (or an index out of range) selects none.
    void SetItemIndex(int index);

signals:
    // The selection or the typed text changed.
    void changed(vornia::TmirlCombobox* sender);
    // The focus left the composite for another control.
    void exited(vornia::TmirlCombobox* sender);

protected:
    void RaiseExit() override;

private:
    void SortEntries();
    void ReportChange();

    QComboBox* FCombo = nullptr;
    bool FSorted = false;
    // The selection and text last reported by changed().
    int FReportedIndex = -1;
    QString FReportedText;
};

} // namespace vornia
