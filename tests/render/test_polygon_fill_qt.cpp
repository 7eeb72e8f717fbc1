// A surface without pixels fills each hex as a polygon instead of flooding
// it. Drawn into the same kind of image both ways, every hex must show the
// same colour inside.
#include <gtest/gtest.h>

#include "board/panel_board.h"
#include "board/random_source.h"
#include "image_probe_qt.h"
#include "render/board_painter.h"
#include "render/board_picture.h"
#include "render/qimage_canvas_qt.h"

namespace vornia {
namespace {

using testing::PixelAt;

// An image canvas that behaves like a vector surface: it cannot flood.
class TPolygonOnlyCanvas final : public TCanvas {
public:
    explicit TPolygonOnlyCanvas(QImage& image) : Inner(image) {}

    int Width() const override { return Inner.Width(); }
    int Height() const override { return Inner.Height(); }
    void SetPenColor(TColor color) override { Inner.SetPenColor(color); }
    void SetPenWidth(int width) override { Inner.SetPenWidth(width); }
    void SetBrushColor(TColor color) override { Inner.SetBrushColor(color); }
    void FillRect(int x1, int y1, int x2, int y2) override { Inner.FillRect(x1, y1, x2, y2); }
    void MoveTo(int x, int y) override { Inner.MoveTo(x, y); }
    void LineTo(int x, int y) override { Inner.LineTo(x, y); }
    void FloodFill(int, int, TColor) override { ADD_FAILURE() << "a surface without pixels was asked to flood"; }
    void FillPolygon(std::span<const TPoint> points) override { Inner.FillPolygon(points); }
    bool CanFloodFill() const override { return false; }
    void Ellipse(int x1, int y1, int x2, int y2) override { Inner.Ellipse(x1, y1, x2, y2); }
    void TextOut(int x, int y, const std::string& text) override { Inner.TextOut(x, y, text); }
    TFontSpec Font() const override { return Inner.Font(); }
    void SetFont(const TFontSpec& font) override { Inner.SetFont(font); }
    std::optional<TTextSize> TextExtent(const TFontSpec& font, const std::string& text) const override
    {
        return Inner.TextExtent(font, text);
    }

private:
    TQImageCanvas Inner;
};

// Points inside a hex that no text, token or harbour dot of any plate
// covers: under the north-west side, beside the west side's middle, and
// above the bottom vertex below the token.
std::array<TPoint, 3> InteriorPoints(const TResourcePlate& p, const THexMetrics& m)
{
    const int a = m.HalfWidth, b = m.SideLength, c = m.PeakHeight;
    return {{{p.X + a / 2, p.Y - c / 4}, {p.X + 4, p.Y + b / 2}, {p.X + a, p.Y + b + c - c / 3}}};
}

TEST(PolygonFill, EveryHexHasTheFloodedColourInside)
{
    struct TCase {
        const char* Shape;
        int Zoom;
        bool BlackAndWhite;
    };
    const TCase cases[] = {
        {"traditional", 100, false}, {"dog leg", 75, false}, {"great lakes", 50, false},
        {"scorpion", 100, true},     {"random", 50, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Shape) + " at " + std::to_string(c.Zoom) + (c.BlackAndWhite ? " bw" : ""));
        TBoardSettings settings;
        settings.Shape = c.Shape;
        TRandomSource random;
        random.UseFixedClock(7);
        TPanelBoard panel;
        panel.GenerateBoard(settings, c.Zoom, random);
        const TPlateList& plates = panel.Plates();
        ASSERT_GT(plates.PlacedCount(), 0);

        TPaintOptions options;
        options.Zoom = c.Zoom;
        options.BlackAndWhite = c.BlackAndWhite;
        const TPictureSize size = BoardPictureSize(plates, c.Zoom);
        QImage flooded(size.width, size.height, QImage::Format_RGB32);
        QImage polygons(size.width, size.height, QImage::Format_RGB32);
        {
            TQImageCanvas canvas(flooded);
            PaintBoard(canvas, plates, options);
        }
        {
            TPolygonOnlyCanvas canvas(polygons);
            PaintBoard(canvas, plates, options);
        }

        const THexMetrics m = MetricsAtZoom(c.Zoom);
        int checked = 0;
        for (const TPlateEntry& e : plates.All()) {
            if (!e.Plate.Placed)
                continue;
            const TColor fill = c.BlackAndWhite ? clWhite : e.Plate.Color;
            for (const TPoint& at : InteriorPoints(e.Plate, m)) {
                SCOPED_TRACE(e.Plate.Kind + " at " + std::to_string(at.x) + "," + std::to_string(at.y));
                EXPECT_EQ(PixelAt(flooded, at.x, at.y), fill);
                EXPECT_EQ(PixelAt(polygons, at.x, at.y), fill);
                ++checked;
            }
        }
        EXPECT_EQ(checked, 3 * plates.PlacedCount());
    }
}

} // namespace
} // namespace vornia
