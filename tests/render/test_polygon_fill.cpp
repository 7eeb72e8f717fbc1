// The board painter on a surface without pixels, against a recording canvas.
#include <gtest/gtest.h>

#include <algorithm>

#include "board/geometry.h"
#include "plates_for_tests.h"
#include "recording_canvas.h"
#include "render/board_painter.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::Land;
using testing::TRecordingCanvas;

TPaintOptions Options(int zoom)
{
    TPaintOptions options;
    options.Zoom = zoom;
    return options;
}

// Without pixels to flood, the hex's polygon is filled first and the outline
// drawn over it; everything after the fill is as on a pixel surface.
TEST(DrawPlate, ASurfaceWithoutPixelsFillsTheOutlinesPolygonBeforeDrawingIt)
{
    for (int zoom : {100, 50}) {
        SCOPED_TRACE(zoom);
        TPlateList plates;
        AddPlate(plates, Land("Grain", "6", 150, 50));
        TRecordingCanvas flooding, withoutPixels;
        withoutPixels.Floods = false;
        DrawPlate(flooding, plates, 0, Options(zoom));
        DrawPlate(withoutPixels, plates, 0, Options(zoom));

        const auto at = [](const std::vector<std::string>& ops, const std::string& prefix) {
            return std::find_if(ops.begin(), ops.end(),
                                [&](const std::string& op) { return op.rfind(prefix, 0) == 0; });
        };
        const std::vector<std::string>& floods = flooding.Ops;
        const auto outline = at(floods, "move");
        const auto flood = at(floods, "flood");
        ASSERT_NE(flood, floods.end());
        EXPECT_EQ(at(withoutPixels.Ops, "flood"), withoutPixels.Ops.end());

        std::string polygon = "polygon";
        for (const TPoint& p : HexOutline(150, 50, MetricsAtZoom(zoom)))
            polygon += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        std::vector<std::string> expected(floods.begin(), outline);
        expected.push_back(*(flood - 1)); // the brush of the fill
        expected.push_back(polygon);
        expected.insert(expected.end(), outline, flood - 1);
        expected.insert(expected.end(), flood + 1, floods.end());
        EXPECT_EQ(withoutPixels.Ops, expected);
    }
}

} // namespace
} // namespace vornia
