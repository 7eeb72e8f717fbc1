#include "picture_files_qt.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>

#include "board_picture_qt.h"
#include "button_face_qt.h"
#include "painter_canvas_qt.h"
#include "print_layout.h"

namespace vornia {

namespace {

bool Fail(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return false;
}

// Writes path whole through write, which draws into the open file; the file
// replaces path only when everything was written.
bool WriteWhole(const std::string& path, std::string* error, const std::function<bool(QSaveFile&)>& write)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, "Cannot write " + path + ": " + file.errorString().toStdString());
    if (!write(file)) {
        file.cancelWriting();
        return Fail(error, "Cannot write " + path + ": the picture could not be drawn.");
    }
    if (!file.commit())
        return Fail(error, "Cannot write " + path + ": " + file.errorString().toStdString());
    return true;
}

} // namespace

bool SaveBoardSvg(const TPlateList& plates, const TPaintOptions& options, const std::string& path, std::string* error)
{
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    return WriteWhole(path, error, [&](QSaveFile& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setResolution(96);
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        {
            TPainterCanvas canvas(painter, size.width, size.height);
            PaintBoard(canvas, plates, options);
        }
        return painter.end();
    });
}

bool SaveBoardPdf(const TPlateList& plates, const TPaintOptions& options, const std::string& path, std::string* error)
{
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    const double points = PdfPointsPerPixel(size.width, size.height);
    // Whole points, never past the largest page nor under the smallest.
    const auto side = [points](int pixels) {
        return std::clamp(std::ceil(pixels * points), PdfMinPagePoints, PdfMaxPagePoints);
    };
    const QSizeF page(side(size.width), side(size.height));
    return WriteWhole(path, error, [&](QSaveFile& file) {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Vornia Generator"));
        pdf.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        // From board pixels to the writer's own units.
        const double scale = points * pdf.resolution() / 72.0;
        painter.scale(scale, scale);
        if (options.Transparent)
            painter.setClipPath(BoardArea(plates, options));
        {
            TPainterCanvas canvas(painter, size.width, size.height);
            PaintBoard(canvas, plates, options);
        }
        return painter.end();
    });
}

bool SaveBoardPicture(const TPictureRequest& request, std::string& error)
{
    TPaintOptions options;
    options.Zoom = request.Zoom;
    options.BlackAndWhite = request.BlackAndWhite;
    options.LocalLabels = request.LocalLabels;
    options.ButtonFace = ButtonFaceColor();
    options.Transparent = true;
    options.CornerPips = request.CornerPips;
    switch (request.Format) {
    case TPictureFormat::Svg: return SaveBoardSvg(request.Plates, options, request.Path, &error);
    case TPictureFormat::Pdf: return SaveBoardPdf(request.Plates, options, request.Path, &error);
    case TPictureFormat::Png: break;
    }
    return SaveBoardPng(request.Plates, options, request.Path, &error);
}

} // namespace vornia
