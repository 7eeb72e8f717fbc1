#include "board_panel_qt.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "frm_board.h"
#include "render/board_painter.h"
#include "render/board_picture.h"
#include "render/board_picture_qt.h"
#include "render/button_face_qt.h"

namespace vornia {

TBoardPanelWidget::TBoardPanelWidget(const TfrmBoard& window, QWidget* parent) : QWidget(parent), Window(window)
{
    setObjectName("BoardPanel");
    // Every pixel is painted each time: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TBoardPanelWidget::paintEvent(QPaintEvent* event)
{
    TPaintOptions options;
    options.Zoom = Window.ZoomPercent();
    options.BlackAndWhite = Window.BlackAndWhite();
    options.LocalLabels = Window.LocalLabels();
    options.ButtonFace = ButtonFaceColor();
    const QSize whole = size().expandedTo(QSize(1, 1));
    // While a board is being made its list is no board yet: the panel stays
    // empty until it is made.
    static const TPlateList NoBoard;
    const bool making = Window.MakingBoard();
    const TPlateList& plates = making ? NoBoard : Window.BoardPanel().Plates();
    if (Window.ShowCornerPips() && !making) {
        options.CornerPips = true;
        options.Analysis = Window.CurrentAnalysis();
    }
    // A panel larger than the view is drawn only where it is uncovered.
    const QImage image =
        RenderBoardArea(plates, options, whole.width(), whole.height(), event->rect(), devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(image.offset(), image);
}

TBoardView::TBoardView(const TfrmBoard& window, QWidget* parent) : QScrollArea(parent), Window(window)
{
    setObjectName("BoardView");
    setFrameShape(QFrame::NoFrame);
    // The panel takes the focus; the keys it leaves come here.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    Board = new TBoardPanelWidget(window, this);
    setWidget(Board);
    Board->setAutoFillBackground(false);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, &TBoardView::ShowHandCursor);
}

void TBoardView::BoardChanged()
{
    const TPictureSize picture = BoardPictureSize(Window.BoardPanel().Plates(), Window.ZoomPercent());
    Board->setMinimumSize(std::clamp(picture.width, 1, QWIDGETSIZE_MAX),
                          std::clamp(picture.height, 1, QWIDGETSIZE_MAX));
    // The scroll bars follow at once, so that a picture taken next has them.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &request);
}

void TBoardView::ScrollHome()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool TBoardView::Scrolls() const
{
    return horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
}

void TBoardView::ShowHandCursor()
{
    if (Dragging)
        return;
    if (Scrolls())
        Board->setCursor(Qt::OpenHandCursor);
    else
        Board->unsetCursor();
}

void TBoardView::wheelEvent(QWheelEvent* event)
{
    // Shift turns the wheel sideways.
    const QPoint angle = event->angleDelta();
    if (!event->modifiers().testFlag(Qt::ShiftModifier) || std::abs(angle.y()) <= std::abs(angle.x())) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const QPoint pixels = event->pixelDelta();
    QWheelEvent sideways(event->position(), event->globalPosition(), QPoint(pixels.y(), pixels.x()),
                         QPoint(angle.y(), angle.x()), event->buttons(), event->modifiers() & ~Qt::ShiftModifier,
                         event->phase(), event->inverted(), event->source(), event->pointingDevice());
    QScrollArea::wheelEvent(&sideways);
    event->setAccepted(sideways.isAccepted());
}

void TBoardView::keyPressEvent(QKeyEvent* event)
{
    // Alt+Left and Alt+Right step through the boards, and the other keys
    // with a modifier belong to the window too: only the bare keys scroll.
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    QScrollArea::keyPressEvent(event);
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !Scrolls()) {
        QScrollArea::mousePressEvent(event);
        return;
    }
    Dragging = true;
    DragStart = event->globalPosition().toPoint();
    DragStartScroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    Board->setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void TBoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (!Dragging) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    // The board follows the mouse.
    const QPoint moved = event->globalPosition().toPoint() - DragStart;
    horizontalScrollBar()->setValue(DragStartScroll.x() - moved.x());
    verticalScrollBar()->setValue(DragStartScroll.y() - moved.y());
    event->accept();
}

void TBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!Dragging || event->button() != Qt::LeftButton) {
        QScrollArea::mouseReleaseEvent(event);
        return;
    }
    Dragging = false;
    ShowHandCursor();
    event->accept();
}

} // namespace vornia
