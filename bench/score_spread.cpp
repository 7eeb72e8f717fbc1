// The boards' fairness scores over many seeds, with and without the
// fair-board rules, as `vornia-cli generate --seed N [--fair all]` makes them;
// and the score of any board files named.
// Usage: score_spread [seeds] [shape...] [--board FILE.mirl...] [--list]
// --list prints a line per board: seed, fair, score and what it lost.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/board_analysis.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "files/open_board.h"

namespace {

using namespace vornia;

struct TSpread {
    int Boards = 0;
    int Failed = 0;
    double Sum = 0;
    int Min = 101;
    int Max = -1;
    TScoreParts Lost;
};

bool List = false;

TSpread Measure(const std::string& shape, int seeds, bool fair)
{
    TSpread s;
    for (int seed = 0; seed < seeds; ++seed) {
        TBoardSettings settings;
        settings.Shape = shape;
        if (fair)
            settings.Fair = {true, true, true, true};
        TRandomSource random;
        random.UseFixedClock(static_cast<std::uint32_t>(seed));
        TPanelBoard panel;
        if (!panel.GenerateBoard(settings, 100, random).Made) {
            ++s.Failed;
            continue;
        }
        const TBoardAnalysis a = AnalyseBoard(panel.Plates(), panel.Zoom());
        if (List)
            std::printf("board %d %d %d %.4f %.4f %lld %lld %lld\n", seed, fair ? 1 : 0, a.Score, a.Lost.Corners,
                        a.Lost.Resources, a.Balance.Red, a.Balance.Equal, a.NumberedPairs);
        if (List)
            for (const TResourceRow& row : a.Resources)
                std::printf("resource %d %d %d %lld\n", seed, fair ? 1 : 0, row.Numbered, row.Pips);
        ++s.Boards;
        s.Sum += a.Score;
        s.Min = std::min(s.Min, a.Score);
        s.Max = std::max(s.Max, a.Score);
        s.Lost.Corners += a.Lost.Corners;
        s.Lost.Resources += a.Lost.Resources;
        s.Lost.Pairs += a.Lost.Pairs;
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    int seeds = 1000;
    std::vector<std::string> shapes, boards;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--list")
            List = true;
        else if (arg == "--board" && i + 1 < argc)
            boards.push_back(argv[++i]);
        else if (i == 1 && std::atoi(argv[i]) > 0)
            seeds = std::atoi(argv[i]);
        else
            shapes.push_back(arg);
    }
    if (shapes.empty())
        shapes.push_back("traditional");

    std::printf("%-20s %-5s %6s %6s %6s %4s %4s %8s %10s %7s\n", "shape", "fair", "boards", "failed", "mean", "min",
                "max", "corners", "resources", "pairs");
    for (const std::string& shape : shapes)
        for (const bool fair : {false, true}) {
            const TSpread s = Measure(shape, seeds, fair);
            const double n = s.Boards > 0 ? s.Boards : 1;
            std::printf("%-20s %-5s %6d %6d %6.2f %4d %4d %8.2f %10.2f %7.2f\n", shape.c_str(), fair ? "all" : "none",
                        s.Boards, s.Failed, s.Sum / n, s.Min, s.Max, -s.Lost.Corners / n, -s.Lost.Resources / n,
                        -s.Lost.Pairs / n);
        }
    for (const std::string& path : boards) {
        std::string text;
        if (!ReadWholeFile(path, text)) {
            std::fprintf(stderr, "score_spread: cannot read %s\n", path.c_str());
            return 1;
        }
        TBoardFileContent content = ReadBoard(TIniFile::FromText(text, path));
        TPanelBoard panel;
        if (!content.HoldsBoard || !OpenBoard(panel, std::move(content), path).Made) {
            std::fprintf(stderr, "score_spread: %s holds no board\n", path.c_str());
            return 1;
        }
        const TBoardAnalysis a = AnalyseBoard(panel.Plates(), panel.Zoom());
        std::printf("%s: score %d (corners %.2f, resources %.2f, pairs %.2f)\n", path.c_str(), a.Score, -a.Lost.Corners,
                    -a.Lost.Resources, -a.Lost.Pairs);
    }
}
