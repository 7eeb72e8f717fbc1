// Generation with the four fair-board rules: the default pieces on every
// shape, and every count 500. Each iteration is one whole request: dealing,
// layout, coast and the rule pass.
#include <benchmark/benchmark.h>

#include "bench_settings.h"
#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"

namespace vornia::bench {
namespace {

TFairRules AllRules()
{
    TFairRules rules;
    ParseFairWords("all", rules);
    return rules;
}

void GenerateFair(benchmark::State& state, TBoardSettings settings, bool rules)
{
    const TFairRules all = AllRules();
    TRandomSource random;
    std::uint32_t seed = 1;
    long long failed = 0;
    for (auto _ : state) {
        random.UseFixedClock(seed++ * 7919u % 86400000u);
        TPanelBoard panel;
        panel.GenerateBoard(settings, 100, random);
        if (rules && ApplyFairRules(panel.Plates(), 100, all, random) != TFairOutcome::Found)
            ++failed;
        benchmark::DoNotOptimize(panel.Plates().Count());
    }
    state.counters["failed"] = static_cast<double>(failed);
}

TBoardSettings Default(const char* shape)
{
    TBoardSettings s;
    s.Shape = shape;
    return s;
}

TBoardSettings PieceSet(const char* shape, std::size_t set)
{
    TBoardSettings s = Default(shape);
    SetPieceCounts(s, PieceSets[set].Counts);
    return s;
}

#define FAIR_SHAPE(tag, shape)                                                                                         \
    BENCHMARK_CAPTURE(GenerateFair, tag##_plain, Default(shape), false)->Unit(benchmark::kMicrosecond);                \
    BENCHMARK_CAPTURE(GenerateFair, tag##_fair, Default(shape), true)->Unit(benchmark::kMicrosecond)

FAIR_SHAPE(traditional, "traditional");
FAIR_SHAPE(random, "random");
FAIR_SHAPE(albatross, "albatross");
FAIR_SHAPE(coelecanth, "coelecanth");
FAIR_SHAPE(cross, "cross");
FAIR_SHAPE(dog_leg, "dog leg");
FAIR_SHAPE(great_lakes, "great lakes");
FAIR_SHAPE(large_traditional, "large traditional");
FAIR_SHAPE(lesser_great_lakes, "lesser great lakes");
FAIR_SHAPE(long_lake, "long lake");
FAIR_SHAPE(pine_cone, "pine cone");
FAIR_SHAPE(scorpion, "scorpion");
FAIR_SHAPE(valley, "valley");
FAIR_SHAPE(wolf, "wolf");

// The pieces for five and six players on the shapes they suit.
BENCHMARK_CAPTURE(GenerateFair, pieces56_random_fair, PieceSet("random", 1), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(GenerateFair, pieces56_cross_fair, PieceSet("cross", 1), true)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(GenerateFair, all500_random_plain, AllCounts("random", 500), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GenerateFair, all500_random_fair, AllCounts("random", 500), true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GenerateFair, all500_cross_fair, AllCounts("cross", 500), true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GenerateFair, all500_wolf_fair, AllCounts("wolf", 500), true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GenerateFair, all500_traditional_fair, AllCounts("traditional", 500), true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vornia::bench

BENCHMARK_MAIN();
