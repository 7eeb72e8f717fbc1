#include "shape_examples_qt.h"

#include <array>
#include <cstdint>

#include "board/panel_board.h"
#include "board/random_source.h"
#include "board_painter.h"
#include "qimage_canvas_qt.h"

namespace vornia {

namespace {

// The same boards every run: every reseed of the example generations reads this.
constexpr std::uint32_t ExampleSeed = 20240;

// Hexes small enough that every shape with the default piece counts fits in
// 219 x 187 pixels (the widest, "long lake", is 21 half widths across; the
// tallest, "cross", ten rows high): a column of its own rather than the
// 50 per cent drawing scaled down, so the outlines stay crisp and black.
constexpr THexMetrics ExampleMetrics{9, 10, 5, 0, 0};
constexpr int ExampleMargin = 5;
constexpr int GenerationZoom = 50;

// The example board of a shape: the default settings with that shape, at the
// generation zoom, drawn from a generator that reads the fixed seed.
void GenerateExample(TPanelBoard& board, std::string_view shape)
{
    TBoardSettings settings;
    settings.Shape = std::string(shape);
    TRandomSource random;
    random.UseFixedClock(ExampleSeed);
    board.GenerateBoard(settings, GenerationZoom, random);
}

// Moves the placed plates from the grid of the generation zoom onto the grid
// of the example hexes, the west side at the margin and the top at the margin.
void MoveOntoExampleGrid(TPlateList& plates)
{
    const THexMetrics from = MetricsAtZoom(GenerationZoom);
    const std::optional<TPlacedBounds> box = PlacedBounds(plates);
    if (!box)
        return;
    const std::int32_t minX = box->MinX, minY = box->MinY;
    for (int i = 0; i < plates.Count(); ++i) {
        const TResourcePlate& p = plates[i];
        if (!p.Placed)
            continue;
        const int column = (p.X - minX) / from.HalfWidth;
        const int row = (p.Y - minY) / from.RowPitch();
        plates.Place(i, ExampleMargin + column * ExampleMetrics.HalfWidth,
                     ExampleMargin + ExampleMetrics.PeakHeight + row * ExampleMetrics.RowPitch());
    }
}

QImage MakeShapeExample(std::string_view shape, qreal ratio)
{
    TPanelBoard board;
    GenerateExample(board, shape);
    MoveOntoExampleGrid(board.Plates());

    TPaintOptions options;
    options.Zoom = GenerationZoom; // a one-pixel pen
    options.ButtonFace = clWhite;
    options.ShapesOnly = true;
    options.Metrics = ExampleMetrics;
    QImage image = DeviceImage(ShapeExampleWidth, ShapeExampleHeight, ratio);
    {
        TQImageCanvas canvas(image);
        PaintBoard(canvas, board.Plates(), options);
    }
    return image;
}

} // namespace

QImage DrawShapeExample(int shapeIndex, qreal ratio)
{
    if (shapeIndex < 0 || shapeIndex >= static_cast<int>(ShapeNames.size()))
        return {};
    return MakeShapeExample(ShapeNames[static_cast<std::size_t>(shapeIndex)], ratio);
}

QImage ShapeExampleImage(int shapeIndex, qreal ratio)
{
    if (shapeIndex < 0 || shapeIndex >= static_cast<int>(ShapeNames.size()))
        return {};
    // Made once, on first use; the pictures are asked for on the UI thread only.
    static std::array<QImage, ShapeNames.size()> examples;
    QImage& example = examples[static_cast<std::size_t>(shapeIndex)];
    if (example.isNull() || example.devicePixelRatio() != ratio)
        example = DrawShapeExample(shapeIndex, ratio);
    return example;
}

} // namespace vornia
