#include "mirl_labelled_qt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

#include "ui/qstring_qt.h"

namespace vornia {

TmirlLabelledPanel::TmirlLabelledPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    resize(CurrentLayout.PanelWidth, CurrentLayout.PanelHeight);
    LabelControl = new QLabel(QStringLiteral("Caption:"), this);
    LabelControl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TmirlLabelledPanel::AttachInput(QWidget* input)
{
    if (Input == input)
        return;
    if (Input)
        Input->removeEventFilter(this);
    Input = input;
    Input->setParent(this);
    LabelControl->setBuddy(Input);
    setFocusProxy(Input);
    Input->installEventFilter(this);
    ApplyLayout();
}

QString TmirlLabelledPanel::Caption() const
{
    return LabelControl->text();
}

void TmirlLabelledPanel::SetCaption(const QString& value)
{
    LabelControl->setText(ToQString(CaptionWithColon(value.toStdString())));
}

int TmirlLabelledPanel::CaptionLeft() const
{
    return CurrentLayout.LabelLeft;
}

void TmirlLabelledPanel::SetCaptionLeft(int value)
{
    if (vornia::SetCaptionLeft(CurrentLayout, value))
        ApplyLayout();
}

int TmirlLabelledPanel::CaptionWidth() const
{
    return CurrentLayout.LabelWidth;
}

void TmirlLabelledPanel::SetCaptionWidth(int value)
{
    SyncPanelWidth();
    if (vornia::SetCaptionWidth(CurrentLayout, value))
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
    return CurrentLayout;
}

void TmirlLabelledPanel::SyncPanelWidth() const
{
    // width() is current even for a hidden widget whose resize event is
    // still pending, so the arithmetic never works on a stale width.
    vornia::SetPanelWidth(CurrentLayout, width());
}

void TmirlLabelledPanel::ApplyLayout()
{
    LabelControl->setGeometry(CurrentLayout.LabelLeft, CurrentLayout.LabelTop, CurrentLayout.LabelWidth,
                              CurrentLayout.LabelHeight);
    if (Input)
        Input->setGeometry(CurrentLayout.InputLeft, CurrentLayout.InputTop, CurrentLayout.InputWidth(),
                           CurrentLayout.InputHeight);
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
    if (watched == Input && event->type() == QEvent::FocusOut) {
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
