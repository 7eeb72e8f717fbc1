#include "button_face_qt.h"

#include <QGuiApplication>
#include <QPalette>

namespace vornia {

TColor ButtonFaceColor()
{
    // A plain QCoreApplication has no palette either.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return FallbackButtonFace;
    const QColor color = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    return RgbColor(color.red(), color.green(), color.blue());
}

} // namespace vornia
