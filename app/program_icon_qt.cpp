#include "program_icon_qt.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>

namespace vornia {

namespace {

// A pointy-top hexagon around (cx, cy) with the given radius.
QPolygonF Hexagon(double cx, double cy, double radius)
{
    QPolygonF hexagon;
    for (int corner = 0; corner < 6; ++corner) {
        const double angle = (60.0 * corner - 90.0) * M_PI / 180.0;
        hexagon << QPointF(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    return hexagon;
}

// Three land tiles in a ring of water, with a number token, as in
// vornia-generator.svg.
QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawPolygon(Hexagon(32, 32, 31));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPolygon(Hexagon(21, 25.5, 11.5));
    painter.setBrush(QColor(0, 128, 0));
    painter.drawPolygon(Hexagon(43, 25.5, 11.5));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(Hexagon(32, 43.5, 11.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(32, 33.5), 7.5, 7.5);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(QRectF(24.5, 26, 15, 15), Qt::AlignCenter, "8");
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64, 128})
        drawn.addPixmap(DrawIcon(size));
    return QIcon::fromTheme("vornia-generator", drawn);
}

} // namespace vornia
