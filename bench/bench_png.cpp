// The all-500 random board at 50 per cent written as a PNG file: the
// picture drawn in bands and written with a palette, against the whole
// picture drawn in full colour and written with the encoder's defaults.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include "bench_qt_main.h"
#include "bench_settings.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "render/board_picture_qt.h"

namespace vornia::bench {
namespace {

class TAll500 {
public:
    TAll500()
    {
        TRandomSource random;
        random.UseFixedClock(1);
        Panel.GenerateBoard(AllCounts("random", 500), 50, random);
        Options.Zoom = 50;
        Options.Transparent = true; // as the tool and the window export it
    }
    const TPlateList& Plates() const { return Panel.Plates(); }
    TPaintOptions Options;

private:
    TPanelBoard Panel;
};

const TAll500& Board()
{
    static const TAll500 board;
    return board;
}

void SetPictureCounters(benchmark::State& state)
{
    const TPictureSize size = BoardPictureSize(Board().Plates(), 50);
    state.counters["width"] = size.width;
    state.counters["height"] = size.height;
}

// What the tool does for `render --png`.
void SaveBoardPng_banded_palette(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("board.png").toStdString();
    for (auto _ : state) {
        std::string error;
        if (!SaveBoardPng(Board().Plates(), Board().Options, path, &error))
            state.SkipWithError(error.c_str());
    }
    SetPictureCounters(state);
}

// The whole picture in full colour, encoded with the default settings.
void SaveBoardPng_whole_fullColour(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage image = BoardPictureImage(Board().Plates(), Board().Options, nullptr);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image))
            state.SkipWithError("not encoded");
        benchmark::DoNotOptimize(buffer.size());
    }
    SetPictureCounters(state);
}

// The parts alone: drawing in bands into a palette image, drawing whole.
void Draw_banded_palette(benchmark::State& state)
{
    const TPictureSize size = BoardPictureSize(Board().Plates(), 50);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            RenderBoardPaletteImage(Board().Plates(), Board().Options, size.width, size.height).constBits());
}

void Draw_whole_fullColour(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BoardPictureImage(Board().Plates(), Board().Options, nullptr).constBits());
}

BENCHMARK(SaveBoardPng_banded_palette)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveBoardPng_whole_fullColour)->Unit(benchmark::kMillisecond);
BENCHMARK(Draw_banded_palette)->Unit(benchmark::kMillisecond);
BENCHMARK(Draw_whole_fullColour)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vornia::bench

VORNIA_QT_BENCHMARK_MAIN()
