// A full repaint of the all-500 board at 50 per cent on a 1600 x 900 canvas.
#include <benchmark/benchmark.h>

#include "bench_qt_main.h"
#include "bench_settings.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "render/board_painter.h"
#include "render/qimage_canvas_qt.h"

namespace vornia::bench {
namespace {

void Repaint(benchmark::State& state, const char* shape, bool blackAndWhite)
{
    TRandomSource random;
    random.UseFixedClock(1);
    TPanelBoard panel;
    panel.GenerateBoard(AllCounts(shape, 500), 50, random);
    QImage image(1600, 900, QImage::Format_RGB32);
    TPaintOptions options;
    options.Zoom = 50;
    options.BlackAndWhite = blackAndWhite;
    for (auto _ : state) {
        TQImageCanvas canvas(image);
        PaintBoard(canvas, panel.Plates(), options);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["plates"] = panel.Plates().Count();
}

// The worst case for the canvas: 6,500 plates on one lattice, so that every
// hex of the 1600 x 900 canvas holds a plate with a token or a harbour.
void RepaintDenseLattice(benchmark::State& state)
{
    const THexMetrics m = MetricsAtZoom(50);
    TPlateList plates;
    const char* kinds[] = {"Grain", "Wool", "Lumber", "Ore", "Brick", "Desert", "Water"};
    for (int i = 0; i < 6500; ++i) {
        TResourcePlate p;
        p.Kind = kinds[i % 7];
        if (p.Kind == "Water" && i % 2) {
            p.TradeResource = "Ore";
            p.TradeRatio = "2:1";
            p.Border = static_cast<TBorderType>(i % 6);
        } else if (p.Kind != "Water") {
            p.Number = std::to_string(2 + i % 11);
        }
        SetPlateColors(p);
        const int row = i / 80, column = i % 80;
        p.X = 10 + column * 2 * m.HalfWidth + (row % 2) * m.HalfWidth;
        p.Y = 10 + m.PeakHeight + row * m.RowPitch();
        p.Placed = true;
        plates.Add(p.Kind, p);
    }
    QImage image(1600, 900, QImage::Format_RGB32);
    TPaintOptions options;
    options.Zoom = 50;
    for (auto _ : state) {
        TQImageCanvas canvas(image);
        PaintBoard(canvas, plates, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(RepaintDenseLattice)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Repaint, all500_cross_colour, "cross", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Repaint, all500_random_colour, "random", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Repaint, all500_random_bw, "random", true)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vornia::bench

VORNIA_QT_BENCHMARK_MAIN()
