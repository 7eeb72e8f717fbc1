// TmirlCombobox: a combo box with its caption on the left, placed on a form
// as one control. A drop-down list by default, showing 24 rows; it can also
// be a simple combo box (an edit over a list that is always shown) or a list
// whose entries its owner draws.
#pragma once

#include <QString>
#include <QStringList>
#include <QStyle>

#include <functional>

#include "ui/mirl_labelled_qt.h"

class QAbstractItemDelegate;
class QComboBox;
class QLineEdit;
class QListView;
class QPainter;

namespace vornia {

class TmirlCombobox : public TmirlLabelledPanel {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TComboStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)

public:
    // csDropDown: the text may be typed; csSimple: typed too, with the list
    // always shown below the edit, in the panel's height under it;
    // csDropDownList: only the entries; csOwnerDrawFixed and
    // csOwnerDrawVariable: only the entries, drawn by OnDrawItem, ItemHeight
    // high or as high as OnMeasureItem says.
    enum TComboStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
    Q_ENUM(TComboStyle)

    // Draws entry index into rect (the closed box shows the selected entry
    // this way too); state carries QStyle::State_Selected for the
    // highlighted entry.
    using TDrawItem = std::function<void(QPainter& painter, int index, const QRect& rect, QStyle::State state)>;
    // The height of entry index in pixels.
    using TMeasureItem = std::function<int(int index)>;

    explicit TmirlCombobox(QWidget* parent = nullptr);

    // The combo box holds the entries, the selection and the text in every
    // style; in csSimple it stays hidden behind SimpleEdit and SimpleList.
    QComboBox* ComboControl() const { return Combo; }
    QLineEdit* SimpleEdit() const { return SimpleEditor; }
    QListView* SimpleList() const { return SimpleListView; }

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
    bool Sorted() const { return KeepSorted; }
    void SetSorted(bool value);
    // The height of every entry of csOwnerDrawFixed, and of an entry of
    // csOwnerDrawVariable without OnMeasureItem.
    int ItemHeight() const { return EntryHeight; }
    void SetItemHeight(int value);
    void SetOnDrawItem(TDrawItem draw);
    void SetOnMeasureItem(TMeasureItem measure);
    bool IsOwnerDrawn() const { return ComboStyle == csOwnerDrawFixed || ComboStyle == csOwnerDrawVariable; }
    // The height an entry is given in the list.
    int ItemHeightOf(int index) const;
    void DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) const;

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
    // csSimple: the list takes the panel below the edit.
    void InputPlaced() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SortEntries();
    void ReportChange();
    void MakeSimpleParts();
    // csSimple: the list marks the selected entry.
    void ShowSelectionInList();

    QComboBox* Combo = nullptr;
    QLineEdit* SimpleEditor = nullptr;
    QListView* SimpleListView = nullptr;
    QAbstractItemDelegate* StandardDelegate = nullptr;
    QAbstractItemDelegate* OwnerDelegate = nullptr;
    TComboStyle ComboStyle = csDropDownList;
    int EntryHeight = 16;
    TDrawItem OnDrawItem;
    TMeasureItem OnMeasureItem;
    bool KeepSorted = false;
    // The selection and text last reported by changed().
    int ReportedIndex = -1;
    QString ReportedText;
};

} // namespace vornia
