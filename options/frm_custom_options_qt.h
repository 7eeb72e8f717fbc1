// TfrmCustomOptions: the modal "Shape And Piece Options" dialog, in which the
// player picks the shape, the land mass and the number of every land, water
// and dice tile. The rules it follows are in custom_options.h.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "board/board_settings.h"
#include "options/custom_options.h"
#include "options/options_fit.h"

class QGroupBox;
class QLabel;
class QScrollArea;

namespace vornia {

class TmirlButton;
class TmirlCheckbox;
class TmirlCombobox;
class TmirlEdit;

// Asks a Yes/No question; true for Yes. The dialog's default shows a message
// box; tests answer without one.
using TConfirmQuestion = std::function<bool(QWidget* parent, const QString& text)>;

class TfrmCustomOptions : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCustomOptions(QWidget* parent = nullptr);

    void SetConfirmQuestion(TConfirmQuestion ask) { Confirm = std::move(ask); }

    // Fills the controls: the land, water and dice counts, the custom-count
    // flag, the land mass and the shape in this order, then RefreshControls.
    void SetOptions(const TOptionsValues& values);
    // What the controls hold, counts as typed.
    TOptionsValues GetOptions() const;

    void SetCustomPieceCounts(bool value);
    bool GetCustomPieceCounts() const;
    // Select the entry equal to text, letter case ignored; none when no
    // entry matches.
    void SelectShape(const QString& text);
    void SelectLandMass(const QString& text);
    QString GetShapeText() const;
    QString GetLandMassText() const;
    // The count edit index in CountKeys order, and its text as typed.
    TmirlEdit* CountEdit(int index) const { return CountEdits[index]; }
    QString GetCountText(int index) const;

    // Every text in the language in force, the form grown where one does not
    // fit; in English the form is as designed.
    void Retranslate();

    // Arranges the dialog for a client area of at most room (none: as
    // designed). Showing the dialog fits it to the room its screen leaves.
    void FitScreen(std::optional<QSize> room);
    const TOptionsFit& Fit() const { return CurrentFit; }

    void RefreshControls();
    void UpdateLandTotal();
    void UpdateDiceTotal();
    void UpdatePieceEditing();
    void UpdateLandMassControl();
    void UpdateShapeExample();

    // The controls, by their names on the form. The panels above the bottom
    // strip lie on pnlContent, which scrolls where the screen is too small.
    QScrollArea* scrContent = nullptr;
    QWidget* pnlContent = nullptr;
    QWidget* pnlBottom = nullptr;
    TmirlButton* btnOk = nullptr;
    TmirlButton* btnCancel = nullptr;
    // One per piece set, in the order of PieceSets.
    std::array<TmirlButton*, PieceSets.size()> btnPieceSet{};
    QWidget* pnlImage = nullptr;
    QLabel* lblShapeExample = nullptr;
    QLabel* imgBoard = nullptr;
    QWidget* pnlMainLeft = nullptr;
    QWidget* pnlClient = nullptr;
    QGroupBox* grpShape = nullptr;
    TmirlCombobox* cboShape = nullptr;
    TmirlCombobox* cboLandMass = nullptr;
    QLabel* lblNote = nullptr;
    TmirlCheckbox* chkCustomPieceCounts = nullptr;
    QWidget* pnlPieceCounts = nullptr;
    QGroupBox* grpPie = nullptr;
    TmirlEdit* edtTwo = nullptr;
    TmirlEdit* edtThree = nullptr;
    TmirlEdit* edtFour = nullptr;
    TmirlEdit* edtFive = nullptr;
    TmirlEdit* edtSix = nullptr;
    TmirlEdit* edtSeven = nullptr;
    TmirlEdit* edtEight = nullptr;
    TmirlEdit* edtNine = nullptr;
    TmirlEdit* edtTen = nullptr;
    TmirlEdit* edtEleven = nullptr;
    TmirlEdit* edtTwelve = nullptr;
    QLabel* lblTotalDie = nullptr;
    QLabel* lblTotalDieValue = nullptr;
    QGroupBox* grpLand = nullptr;
    TmirlEdit* edtBrick = nullptr;
    TmirlEdit* edtGrain = nullptr;
    TmirlEdit* edtLumber = nullptr;
    TmirlEdit* edtOre = nullptr;
    TmirlEdit* edtWool = nullptr;
    TmirlEdit* edtDesert = nullptr;
    QLabel* lblTotalLand = nullptr;
    QLabel* lblTotalLandValue = nullptr;
    QGroupBox* grpWater = nullptr;
    TmirlEdit* edtWater = nullptr;
    TmirlEdit* edtWaterBrick = nullptr;
    TmirlEdit* edtWaterGrain = nullptr;
    TmirlEdit* edtWaterLumber = nullptr;
    TmirlEdit* edtWaterOre = nullptr;
    TmirlEdit* edtWaterWool = nullptr;
    TmirlEdit* edtWaterMark = nullptr;
    QWidget* pnlFair = nullptr;
    QGroupBox* grpFair = nullptr;
    // One per rule, in the order of FairRuleRows.
    std::array<TmirlCheckbox*, 4> chkFair{};

private slots:
    void cboShapeChange();
    void LandExit(vornia::TmirlEdit* sender);
    void DieExit(vornia::TmirlEdit* sender);
    void btnOkClick();

public:
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Fills the 24 count edits with the set's counts (the shape stays).
    void btnPieceSetClick(const TPieceSet& set);
    void RecordDesign();
    // Widens the controls whose translated text does not fit, and with them
    // the groups, the panels and the dialog; the controls beside a widened
    // one move along. Nothing shrinks.
    void FitTexts();
    // Fits the controls of a panel or group; returns how much wider it must be.
    int FitChildren(QWidget* container);
    // The parts in the arrangement the fit chose, the dialog at its size.
    void Arrange();
    // Where the parts lie in an arrangement, and the size they take.
    QSize PlaceParts(TOptionsArrangement arrangement);
    // The scroll area above the bottom strip, both across the client area.
    void LayOutClient();
    // The client area the dialog's screen leaves it.
    QSize ScreenRoom() const;
    void CreateControls();
    void CreateCountEdits();
    void FormCreate();
    TCountTexts CountTexts() const;

    std::array<TmirlEdit*, CountEditCount> CountEdits{};
    TConfirmQuestion Confirm;
    // Every control's place as designed.
    struct TDesignedPlace {
        QWidget* Widget;
        QRect Geometry;
        int CaptionWidth; // of a labelled control
    };
    std::vector<TDesignedPlace> Design;
    std::optional<QSize> Room;
    TOptionsFit CurrentFit;
    // Where the example picture and the fair-board rules lie in the form as
    // designed, once its texts are fitted.
    QPoint WideImageAt, WideFairAt;
    QSize WideSize;
};

// Shows the options dialog modally, filled from settings. On OK stores the
// shape, the land mass, the custom-count flag, every valid count and the
// fair-board rules into settings and returns true; Cancel, Esc or the close box change nothing.
// ask answers the dice question (a message box when empty).
bool RunShapeAndPieceOptions(QWidget* parent, TBoardSettings& settings,
                             TConfirmQuestion ask = {});

} // namespace vornia
