#include "board_picture_qt.h"

#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

#include "qimage_canvas_qt.h"

namespace vornia {

namespace {

// Qt's PNG writer compresses with zlib level (100 - quality) * 9 / 91: 60
// gives level 3, the strongest of zlib's fast levels. A board's picture is
// large areas of a few colours, which even the fast levels pack well, while
// the default level takes about twice as long for a file a fifth smaller.
constexpr int PngQuality = 60;

// Rows drawn above and below a band, enough for every part of a plate that
// reaches the band: the hexagon with its outline, and the texts, which start
// inside the hexagon no higher than its sides and no lower than a third of
// the token below its middle, each one line of the plates' 8-point font
// (less than 24 pixels high).
int BandMargin(const TPaintOptions& options)
{
    const THexMetrics m = options.Metrics ? *options.Metrics : MetricsAtZoom(options.Zoom);
    constexpr int Outline = 2, TextLine = 24;
    return 2 * m.PeakHeight + std::max(m.SideLength, m.TokenSize + TextLine) + 2 * Outline;
}

// The colours of a picture in the order they first appear, at most 256.
class TPalette {
public:
    // The colour's index; -1 when it would be the 257th.
    int IndexOf(QRgb color)
    {
        const auto found = Indexes.find(color);
        if (found != Indexes.end())
            return found->second;
        if (Colors.size() == 256)
            return -1;
        Indexes.emplace(color, static_cast<int>(Colors.size()));
        Colors.push_back(color);
        return static_cast<int>(Colors.size()) - 1;
    }
    const QList<QRgb>& Table() const { return Colors; }

private:
    std::unordered_map<QRgb, int> Indexes;
    QList<QRgb> Colors;
};

// Turns rows of an RGB32 band, or of an ARGB32 band whose pixels outside the
// board are marked by an alpha below 255, into palette indexes; false when
// the palette is full.
bool IndexRows(const QImage& band, int bandLine, QImage& picture, int first, int count, TPalette& palette)
{
    const int width = band.width();
    const bool marked = band.hasAlphaChannel();
    for (int row = 0; row < count; ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(band.constScanLine(bandLine + row));
        uchar* out = picture.scanLine(first + row);
        // Pictures are long runs of one colour: one look-up per run.
        for (int x = 0; x < width;) {
            const QRgb color = in[x];
            int end = x + 1;
            while (end < width && in[end] == color)
                ++end;
            const QRgb shown = !marked ? color | 0xFF000000u : color >= 0xFF000000u ? color : 0u;
            const int index = palette.IndexOf(shown);
            if (index < 0)
                return false;
            std::memset(out + x, index, static_cast<std::size_t>(end - x));
            x = end;
        }
    }
    return true;
}

} // namespace

QImage RenderBoardImage(const TPlateList& plates, const TPaintOptions& options, int width, int height, qreal ratio)
{
    QImage image = DeviceImage(width, height, ratio);
    if (image.isNull())
        return image;
    {
        TQImageCanvas canvas(image, options.Transparent);
        PaintBoard(canvas, plates, options);
    }
    return image;
}

QImage RenderBoardArea(const TPlateList& plates, const TPaintOptions& options, int width, int height, const QRect& area,
                       qreal ratio)
{
    // Every plate whose hexagon reaches the area lies whole on the canvas,
    // so that its fill is the whole picture's; the texts, which run right
    // and down from inside a hexagon, the painter measures for the plates
    // left of or above the canvas. The canvas ends where the picture does,
    // and starts on a multiple of 4 pixels, whole pixels at the usual ratios.
    const THexMetrics m = options.Metrics ? *options.Metrics : MetricsAtZoom(options.Zoom);
    const int across = 2 * m.HalfWidth + 8;
    const int down = BandMargin(options);
    const QRect picture(0, 0, std::max(width, 0), std::max(height, 0));
    QRect canvas = area.adjusted(-across, -down, across, down).intersected(picture);
    canvas.setLeft(canvas.left() / 4 * 4);
    canvas.setTop(canvas.top() / 4 * 4);
    if (canvas == picture)
        return RenderBoardImage(plates, options, width, height, ratio);

    TPlateList near;
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& plate = plates[i];
        if (!plate.Placed || plate.X > std::int64_t{canvas.right()} + 2 ||
            plate.Y < std::int64_t{canvas.top()} - down || plate.Y > std::int64_t{canvas.bottom()} + down)
            continue;
        TResourcePlate moved = plate;
        moved.X -= canvas.left();
        moved.Y -= canvas.top();
        near.Add(plates.Text(i), std::move(moved));
    }
    // The corner pips are the whole board's, moved as its plates are.
    TPaintOptions areaOptions = options;
    if (options.CornerPips) {
        if (!options.Analysis)
            areaOptions.Analysis = std::make_shared<const TBoardAnalysis>(AnalyseBoard(plates, options.Zoom));
        areaOptions.AnalysisOffset = {WrapInt32(std::int64_t{options.AnalysisOffset.x} - canvas.left()),
                                      WrapInt32(std::int64_t{options.AnalysisOffset.y} - canvas.top())};
    }
    QImage image = RenderBoardImage(near, areaOptions, canvas.width(), canvas.height(), ratio);
    image.setOffset(canvas.topLeft());
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

bool RenderBoardBands(const TPlateList& plates, const TPaintOptions& options, int width, int height, int bandRows,
                      const TBandSink& sink)
{
    if (width <= 0 || height <= 0)
        return true;
    bandRows = std::max(1, bandRows);
    const int margin = BandMargin(options);
    QImage buffer(width, std::min(height, bandRows + 2 * margin), QImage::Format_RGB32);
    if (buffer.isNull())
        return false;

    // The placed plates by row, so that each band takes only those near it.
    std::vector<std::pair<std::int64_t, int>> byRow;
    for (int i = 0; i < plates.Count(); ++i)
        if (plates[i].Placed)
            byRow.emplace_back(plates[i].Y, i);
    std::sort(byRow.begin(), byRow.end());
    std::vector<int> near;
    // The corner pips are the whole board's, whatever plates a band holds.
    TPaintOptions bandOptions = options;
    if (options.CornerPips && !options.Analysis)
        bandOptions.Analysis = std::make_shared<const TBoardAnalysis>(AnalyseBoard(plates, options.Zoom));

    for (int first = 0; first < height; first += bandRows) {
        const int count = std::min(bandRows, height - first);
        const int top = std::max(0, first - margin);
        const int bottom = std::min(height, first + count + margin);
        // The plates that can reach the band's rows, in list order and moved
        // up so that the band's first row is row 0 of the canvas. The canvas
        // is the band's own height, so that the picture's last row is the
        // canvas's last row as it is for the whole picture.
        near.clear();
        auto row = std::lower_bound(byRow.begin(), byRow.end(), std::pair<std::int64_t, int>{top - margin, -1});
        for (; row != byRow.end() && row->first < std::int64_t{bottom} + margin; ++row)
            near.push_back(row->second);
        std::sort(near.begin(), near.end());
        TPlateList moved;
        moved.Reserve(static_cast<int>(near.size()));
        for (const int i : near) {
            TResourcePlate plate = plates[i];
            plate.Y -= top;
            moved.Add(plates.Text(i), std::move(plate));
        }

        QImage band(buffer.bits(), width, bottom - top, buffer.bytesPerLine(), QImage::Format_RGB32);
        {
            TQImageCanvas canvas(band, options.Transparent);
            canvas.LeaveOutsideMarked(); // IndexRows clears them as it reads them
            bandOptions.AnalysisOffset = {options.AnalysisOffset.x,
                                          WrapInt32(std::int64_t{options.AnalysisOffset.y} - top)};
            PaintBoard(canvas, moved, bandOptions);
        }
        if (!sink(band, first - top, first, count))
            return false;
    }
    return true;
}

QImage RenderBoardPaletteImage(const TPlateList& plates, const TPaintOptions& options, int width, int height,
                               int bandRows)
{
    QImage picture(std::max(width, 0), std::max(height, 0), QImage::Format_Indexed8);
    if (picture.isNull())
        return picture;
    TPalette palette;
    const bool drawn = RenderBoardBands(plates, options, width, height, bandRows,
                                        [&](const QImage& band, int bandLine, int first, int count) {
                                            return IndexRows(band, bandLine, picture, first, count, palette);
                                        });
    if (!drawn)
        return {};
    picture.setColorTable(palette.Table());
    return picture;
}

bool SaveBoardPng(const TPlateList& plates, const TPaintOptions& options, const std::string& path,
                  std::string* error)
{
    auto fail = [error](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };
    const TPictureSize size = BoardPictureSize(plates, options.Zoom);
    if (!CheckPictureSize(size, error))
        return false;
    // A fifth of the memory of the full-colour picture, and a quarter of the
    // bytes to compress; a picture of more colours is kept in full colour.
    QImage image = RenderBoardPaletteImage(plates, options, size.width, size.height);
    if (image.isNull()) {
        image = BoardPictureImage(plates, options, error);
        if (image.isNull())
            return false;
    }

    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString().toStdString());
    QImageWriter writer(&file, "png");
    writer.setQuality(PngQuality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail("the picture could not be encoded as PNG");
    }
    if (!file.commit())
        return fail(file.errorString().toStdString());
    return true;
}

} // namespace vornia
