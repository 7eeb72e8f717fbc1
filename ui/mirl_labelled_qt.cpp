#include "mirl_labelled_qt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

namespace vornia {

TmirlLabelledPanel::TmirlLabelledPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    resize(FLayout.PanelWidth, FLayout.PanelHeight);
    FCaptionLabel = new QLabel(QStringLiteral("Caption:"), this);
    FCaptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TmirlLabelledPanel::AttachInput(QWidget* input)
{
    if (FInput == input)
        return;
    if (FInput)
        FInput->removeEventFilter(this);
    FInput = input;
    FInput->setParent(this);
    FCaptionLabel->setBuddy(FInput);
    setFocusProxy(FInput);
    FInput->installEventFilter(this);
    ApplyLayout();
}

QString TmirlLabelledPanel::Caption() const { return FCaptionLabel->text(); }

void TmirlLabelledPanel::SetCaption(const QString& value)
{
    FCaptionLabel->setText(QString::fromStdString(CaptionWithColon(value.toStdString())));
}

int TmirlLabelledPanel::CaptionLeft() const { return FLayout.LabelLeft; }

void TmirlLabelledPanel::SetCaptionLeft(int value)
{
    if (vornia::SetCaptionLeft(FLayout, value))
        ApplyLayout();
}

int TmirlLabelledPanel::CaptionWidth() const { return FLayout.LabelWidth; }

void TmirlLabelledPanel::SetCaptionWidth(int value)
{
    SyncPanelWidth();
    if (vornia::SetCaptionWidth(FLayout, value))
        ApplyLayout();
}

int TmirlLabelledPanel::PanelWidth() const { return width(); }

void TmirlLabelledPanel::SetPanelWidth(int value)
{
    if (value >= 0 && value != width())
        resize(value, height());
    SyncPanelWidth();
    ApplyLayout();
}

TLabelledLayout TmirlLabelledPanel::Layout() const
{
    SyncPanelWidth();
    return FLayout;
}

void TmirlLabelledPanel::SyncPanelWidth() const
{
    // width() is current even for a hidden widget whose resize event is
    // still pending, so the arithmetic never works on a stale width.
    vornia::SetPanelWidth(FLayout, width());
}

void TmirlLabelledPanel::ApplyLayout()
{
    FCaptionLabel->setGeometry(FLayout.LabelLeft, FLayout.LabelTop, FLayout.LabelWidth,
                               FLayout.LabelHeight);
    if (FInput)
        FInput->setGeometry(FLayout.InputLeft, FLayout.InputTop, FLayout.InputWidth(),
                            FLayout.InputHeight);
    InputPlaced();
}

void TmirlLabelledPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    SyncPanelWidth();
    ApplyLayout();
}

bool TmirlLabelledPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FInput && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // The window losing the activation or a popup (the combo box's own
        // list) opening leaves the focus where it was for this window.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            QWidget* next = QApplication::focusWidget();
            if (!next || (next != this && !isAncestorOf(next)))
                RaiseExit();
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace vornia
