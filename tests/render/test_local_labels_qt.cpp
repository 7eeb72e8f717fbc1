// Labels In My Language: every board label, in every language of the
// catalogues, fits its hex at every zoom, measured in the font the picture
// draws it in; without the option the labels stay as the board holds them.
#include <QImage>

#include <gtest/gtest.h>

#include "board/catalogue_table.h"
#include "board/geometry.h"
#include "board/translate.h"
#include "render/board_painter.h"
#include "render/qimage_canvas_qt.h"
#include "tests/render/plates_for_tests.h"
#include "tests/render/recording_canvas.h"

namespace vornia {
namespace {

using testing::Harbour;
using testing::PlacedPlate;
using testing::TRecordingCanvas;

class LocalLabels : public ::testing::Test {
protected:
    void TearDown() override { UseCatalogue(BuiltInCatalogues(), "en"); }
};

// The label the painter draws for the plate (its first text) and where.
testing::TRecordedText LabelOf(const TResourcePlate& plate, int zoom, bool localLabels)
{
    TPlateList plates;
    testing::AddPlate(plates, plate);
    TRecordingCanvas canvas;
    TPaintOptions options;
    options.Zoom = zoom;
    options.LocalLabels = localLabels;
    DrawPlate(canvas, plates, 0, options);
    return canvas.Texts.at(0);
}

TEST_F(LocalLabels, EveryLabelFitsItsHexAtEveryZoomInEveryLanguage)
{
    QImage image(10, 10, QImage::Format_RGB32);
    const TQImageCanvas measure(image, false);
    std::vector<TResourcePlate> plates;
    for (const char* kind : {"Brick", "Grain", "Lumber", "Ore", "Wool", "Desert"})
        plates.push_back(PlacedPlate(kind, 60, 60));
    for (const char* resource : {"Brick", "Grain", "Lumber", "Ore", "Wool"})
        plates.push_back(Harbour(resource, "2:1", btWest, 60, 60));

    ASSERT_FALSE(BuiltInCatalogues().empty());
    for (const TCatalogue& catalogue : BuiltInCatalogues()) {
        UseCatalogue(BuiltInCatalogues(), catalogue.Language);
        for (const int zoom : {100, 75, 50}) {
            const THexMetrics m = MetricsAtZoom(zoom);
            for (const TResourcePlate& plate : plates) {
                const std::string& stored = IsWater(plate) ? plate.TradeResource : plate.Kind;
                SCOPED_TRACE(std::string(catalogue.Language) + " " + std::to_string(zoom) + " " + stored);
                const testing::TRecordedText label = LabelOf(plate, zoom, true);
                EXPECT_EQ(label.Text, LabelDisplayName(stored));
                // The label's box ends before the hex's right side and its outline.
                const int width = measure.TextExtent(label.Font, label.Text)->Width;
                EXPECT_LE(label.X + width, plate.X + 2 * m.HalfWidth - 1) << label.Text << " is " << width;
                // Without the option, the board's own word.
                EXPECT_EQ(LabelOf(plate, zoom, false).Text, stored);
            }
        }
    }
}

TEST_F(LocalLabels, AreTheLanguagesWordsAndLeaveOtherTextsAlone)
{
    UseCatalogue(BuiltInCatalogues(), "de");
    EXPECT_EQ(LabelDisplayName("GRAIN"), "Korn");
    EXPECT_EQ(LabelOf(Harbour("Ore", "2:1", btEast, 60, 60), 100, true).Text, "Erz");
    // A 3:1 harbour's mark and an unknown kind stay as they are.
    EXPECT_EQ(LabelOf(Harbour("    ?", "3:1", btEast, 60, 60), 100, true).Text, "    ?");
    EXPECT_EQ(LabelOf(PlacedPlate("Gold", 60, 60), 50, true).Text, "Gold");
    UseCatalogue(BuiltInCatalogues(), "en");
    EXPECT_EQ(LabelOf(PlacedPlate("Grain", 60, 60), 100, true).Text, "Grain");
}

} // namespace
} // namespace vornia
