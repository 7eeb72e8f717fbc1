#include "board_panel_qt.h"

#include <QImage>
#include <QPainter>

#include "frm_board.h"
#include "render/board_painter.h"
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

QImage TBoardPanelWidget::RenderImage() const
{
    TPaintOptions options;
    options.Zoom = Window.ZoomPercent();
    options.BlackAndWhite = Window.BlackAndWhite();
    options.LocalLabels = Window.LocalLabels();
    options.ButtonFace = ButtonFaceColor();
    const QSize area = size().expandedTo(QSize(1, 1));
    return RenderBoardImage(Window.BoardPanel().Plates(), options, area.width(), area.height(), devicePixelRatioF());
}

void TBoardPanelWidget::paintEvent(QPaintEvent*)
{
    const QImage image = RenderImage();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace vornia
