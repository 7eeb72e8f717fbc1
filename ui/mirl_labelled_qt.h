// The common part of the labelled controls: a borderless panel holding a
// caption label on the left and an input control on the right. The panel
// passes the focus on to the input and reports when the focus leaves it.
#pragma once

#include <QFrame>
#include <QString>

#include "ui/mirl_layout.h"

class QLabel;

namespace vornia {

class TmirlLabelledPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionLeft READ CaptionLeft WRITE SetCaptionLeft)
    Q_PROPERTY(int CaptionWidth READ CaptionWidth WRITE SetCaptionWidth)
    Q_PROPERTY(int PanelWidth READ PanelWidth WRITE SetPanelWidth)
    Q_PROPERTY(QString DefaultItemText READ DefaultItemText WRITE SetDefaultItemText)
    Q_PROPERTY(QString LastText READ LastText WRITE SetLastText)

public:
    QString Caption() const;
    // A text that does not end in ":" gets one ("&Brick" shows "&Brick:").
    void SetCaption(const QString& value);
    int CaptionLeft() const;
    void SetCaptionLeft(int value);
    int CaptionWidth() const;
    // The input keeps its right edge; at least MinInputWidth pixels stay for it.
    void SetCaptionWidth(int value);
    int PanelWidth() const;
    void SetPanelWidth(int value);
    // Stored for the forms' use; neither has a visible effect.
    QString DefaultItemText() const { return StoredDefaultItemText; }
    void SetDefaultItemText(const QString& value) { StoredDefaultItemText = value; }
    QString LastText() const { return StoredLastText; }
    void SetLastText(const QString& value) { StoredLastText = value; }

    QLabel* CaptionLabel() const { return LabelControl; }
    // The composite's geometry as it stands (the panel's width included).
    TLabelledLayout Layout() const;

protected:
    explicit TmirlLabelledPanel(QWidget* parent);
    // Called by the derived constructor with its input control, which
    // becomes a child of the panel, the label's buddy and the focus proxy;
    // called again when another control takes the input's place.
    void AttachInput(QWidget* input);
    // Raised when the focus moves from the input to a control outside the
    // composite (not when the window merely loses the activation).
    virtual void RaiseExit() = 0;
    // Called after the label and the input have been placed.
    virtual void InputPlaced() {}

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes a width given to the panel from outside (resize, setGeometry).
    void SyncPanelWidth() const;
    void ApplyLayout();

    QLabel* LabelControl = nullptr;
    QWidget* Input = nullptr;
    mutable TLabelledLayout CurrentLayout;
    QString StoredDefaultItemText;
    QString StoredLastText;
};

} // namespace vornia
