#include "board_panel_qt.h"

#include <QImage>
#include <QPainter>

#include "frm_board.h"
#include "render/board_painter.h"
#include "render/button_face_qt.h"
#include "render/qimage_canvas_qt.h"

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
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        TQImageCanvas canvas(image);
        TPaintOptions options;
        options.Zoom = Window.ZoomPercent();
        options.BlackAndWhite = Window.BlackAndWhite();
        options.ButtonFace = ButtonFaceColor();
        PaintBoard(canvas, Window.BoardPanel().Plates(), options);
    }
    return image;
}

void TBoardPanelWidget::paintEvent(QPaintEvent*)
{
    const QImage image = RenderImage();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace vornia
