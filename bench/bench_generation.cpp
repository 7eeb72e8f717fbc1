// Generation with statistics (GenerateBoard computes them), with
// the position index and with the literal scans of the plate list.
#include <benchmark/benchmark.h>

#include "bench_settings.h"
#include "board/panel_board.h"
#include "board/random_source.h"

namespace vornia::bench {
namespace {

void Generate(benchmark::State& state, TBoardSettings settings, TLookupMode mode)
{
    TRandomSource random;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        random.UseFixedClock(seed++ % 86400000);
        TPanelBoard panel(mode); // a fresh run each time: one board in the list
        const TGenerationResult made = panel.GenerateBoard(settings, 100, random);
        benchmark::DoNotOptimize(panel.Plates().Count());
        if (!made.Made && settings.MassDensity == "any")
            state.SkipWithError("board failed");
    }
}

const TLookupMode Indexed = TLookupMode::Indexed;
const TLookupMode Literal = TLookupMode::LiteralScan;

TBoardSettings Traditional() { return TBoardSettings{}; }
TBoardSettings DefaultRandom()
{
    TBoardSettings s;
    s.Shape = "random";
    return s;
}

BENCHMARK_CAPTURE(Generate, traditional_indexed, Traditional(), Indexed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, traditional_literal, Traditional(), Literal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, random_default_indexed, DefaultRandom(), Indexed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, random_default_literal, DefaultRandom(), Literal)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(Generate, all500_cross_indexed, AllCounts("cross", 500), Indexed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Generate, all500_cross_literal, AllCounts("cross", 500), Literal)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Generate, all500_random_any_indexed, AllCounts("random", 500), Indexed)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Generate, all500_random_any_literal, AllCounts("random", 500), Literal)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Generate, all500_wolf_indexed, AllCounts("wolf", 500), Indexed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Generate, all500_wolf_literal, AllCounts("wolf", 500), Literal)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
// The worst case of a window tick: all 267 attempts of a random board that
// can never be "high".
BENCHMARK_CAPTURE(Generate, all500_random_high_indexed, AllCounts("random", 500, "high"), Indexed)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vornia::bench

BENCHMARK_MAIN();
