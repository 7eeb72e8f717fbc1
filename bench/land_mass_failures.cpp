// How often a random board with the default counts fails to reach each land
// mass, over many seeds. Usage: land_mass_failures [seeds]
#include <cstdio>
#include <cstdlib>

#include "board/panel_board.h"
#include "board/random_source.h"

int main(int argc, char** argv)
{
    using namespace vornia;
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::printf("%-8s %8s %8s %14s\n", "mass", "seeds", "failed", "mean attempts");
    for (const char* mass : {"low", "medium", "high"}) {
        int failed = 0;
        long long attempts = 0;
        for (int seed = 0; seed < seeds; ++seed) {
            TBoardSettings settings;
            settings.Shape = "random";
            settings.MassDensity = mass;
            TRandomSource random;
            random.UseFixedClock(static_cast<std::uint32_t>(seed) * 86399u % 86400000u);
            TPanelBoard panel;
            failed += panel.GenerateBoard(settings, 100, random).Made ? 0 : 1;
            attempts += panel.Attempts();
        }
        std::printf("%-8s %8d %8d %14.1f\n", mass, seeds, failed, static_cast<double>(attempts) / seeds);
    }
}
