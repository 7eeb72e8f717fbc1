#include "board_pages_qt.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

#include "board_picture.h"
#include "painter_canvas_qt.h"
#include "print_layout.h"
#include "qimage_canvas_qt.h"

namespace vornia {

namespace {

constexpr double BookletMarginMm = 12;
constexpr int HeadingPoints = 14;

bool Fail(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return false;
}

QPageLayout::Orientation OrientationFor(const TPlateList& plates, const TPaintOptions& options)
{
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    return WiderThanHigh(size.width, size.height) ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageSize LocalePaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

} // namespace

void PaintBoardInArea(QPainter& painter, const QRectF& area, const TPlateList& plates, const TPaintOptions& options)
{
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    const TPagePlacement place = FitCentred(size.width, size.height, area.width(), area.height());
    if (!(place.Scale > 0))
        return;
    painter.save();
    painter.translate(area.left() + place.X, area.top() + place.Y);
    painter.scale(place.Scale, place.Scale);
    painter.setClipRect(QRect(0, 0, size.width, size.height));
    if (options.Transparent)
        painter.setClipPath(BoardArea(plates, options), Qt::IntersectClip);
    {
        TPainterCanvas canvas(painter, size.width, size.height);
        PaintBoard(canvas, plates, options);
    }
    painter.restore();
}

bool PrintWholeBoard(QPagedPaintDevice& page, const TPlateList& plates, const TPaintOptions& options)
{
    QPainter painter;
    if (!painter.begin(&page))
        return false;
    // The painter's origin is the corner of the margins.
    PaintBoardInArea(painter, QRectF(0, 0, page.width(), page.height()), plates, options);
    return painter.end();
}

void ShowWholeBoardPreview(QWidget* parent, const TPlateList& plates, const TPaintOptions& options)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setPageOrientation(OrientationFor(plates, options));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("WholeBoardPreview");
    preview.setWindowTitle(QStringLiteral("Print Whole Board"));
    // Room for the page: most of the window.
    if (parent)
        preview.resize(parent->size() * 3 / 4);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintWholeBoard(*target, plates, options); });
    preview.exec();
}

TBoardBooklet::TBoardBooklet() = default;
TBoardBooklet::~TBoardBooklet() = default;

bool TBoardBooklet::Begin(const std::string& path, std::string* error)
{
    Painter.reset();
    Writer.reset();
    Pages = 0;
    Path = path;
    File = std::make_unique<QSaveFile>(QString::fromStdString(path));
    if (!File->open(QIODevice::WriteOnly)) {
        const std::string reason = File->errorString().toStdString();
        File.reset();
        return Fail(error, "Cannot write " + path + ": " + reason);
    }
    Writer = std::make_unique<QPdfWriter>(File.get());
    Writer->setCreator(QStringLiteral("Vornia Generator"));
    Writer->setPageLayout(QPageLayout(LocalePaper(), QPageLayout::Portrait,
                                      QMarginsF(BookletMarginMm, BookletMarginMm, BookletMarginMm, BookletMarginMm),
                                      QPageLayout::Millimeter));
    return true;
}

bool TBoardBooklet::AddBoard(const std::string& heading, const TPlateList& plates, const TPaintOptions& options,
                             std::string* error)
{
    if (!Writer)
        return Fail(error, "The booklet " + Path + " is not open.");
    // A page's orientation must be set before the page begins.
    Writer->setPageOrientation(OrientationFor(plates, options));
    if (!Painter) {
        Painter = std::make_unique<QPainter>();
        if (!Painter->begin(Writer.get())) {
            Painter.reset();
            return Fail(error, "Cannot write " + Path + ": the booklet could not be started.");
        }
    } else if (!Writer->newPage()) {
        return Fail(error, "Cannot write " + Path + ": no room for another page.");
    }

    const QRectF area(0, 0, Writer->width(), Writer->height());
    QFont font = QFontFor({"Arial", HeadingPoints, true, clBlack});
    font.setPointSize(HeadingPoints);
    const QFontMetricsF metrics(font, Writer.get());
    const QString text = metrics.elidedText(QString::fromStdString(heading), Qt::ElideMiddle, area.width());
    Painter->setFont(font);
    Painter->setPen(Qt::black);
    Painter->drawText(QPointF(area.left(), area.top() + metrics.ascent()), text);
    // The board under the heading, a line's height apart.
    const double top = 2 * metrics.height();
    PaintBoardInArea(*Painter, area.adjusted(0, top, 0, 0), plates, options);
    ++Pages;
    return true;
}

bool TBoardBooklet::Finish(std::string* error)
{
    if (!Writer)
        return Fail(error, "The booklet " + Path + " is not open.");
    if (Pages == 0) {
        Painter.reset();
        Writer.reset();
        File.reset();
        return Fail(error, "The booklet " + Path + " has no boards; it was not written.");
    }
    const bool ended = Painter->end();
    Painter.reset();
    Writer.reset();
    const bool committed = ended && File->commit();
    const std::string reason = File->errorString().toStdString();
    File.reset();
    if (!committed)
        return Fail(error, "Cannot write " + Path + ": " + (ended ? reason : "the booklet could not be finished."));
    return true;
}

} // namespace vornia
