#include "board_picture_qt.h"

#include <QSaveFile>
#include <QString>

#include "qimage_canvas_qt.h"

namespace vornia {

QImage RenderBoardImage(const TPlateList& plates, const TPaintOptions& options, int width, int height, qreal ratio)
{
    QImage image = DeviceImage(width, height, ratio);
    if (image.isNull())
        return image;
    {
        TQImageCanvas canvas(image);
        PaintBoard(canvas, plates, options);
    }
    return image;
}

QImage BoardPictureImage(const TPlateList& plates, const TPaintOptions& options, std::string* error)
{
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    if (!CheckPictureSize(size, error))
        return {};
    QImage image = RenderBoardImage(plates, options, size.width, size.height);
    if (image.isNull() && error)
        *error = "There is not enough memory for a picture of " + std::to_string(size.width) + " x " +
                 std::to_string(size.height) + " pixels.";
    return image;
}

bool SaveBoardPng(const TPlateList& plates, const TPaintOptions& options, const std::string& path,
                  std::string* error)
{
    auto fail = [error](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };
    const QImage image = BoardPictureImage(plates, options, error);
    if (image.isNull())
        return false;

    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString().toStdString());
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return fail("the picture could not be encoded as PNG");
    }
    if (!file.commit())
        return fail(file.errorString().toStdString());
    return true;
}

} // namespace vornia
