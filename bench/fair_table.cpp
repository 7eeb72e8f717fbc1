// Success of the fair-board rules: for the default pieces, every shape and
// every non-empty choice of rules over 1,000 seeds, the share of boards for
// which an arrangement was found, and how long the rule pass took.
//
//   fair_table [seeds]          the table (default 1000 seeds)
//   fair_table --stress [n] [land]
//                               n random requests with custom counts of at most
//                               land land plates (default 24, where the search
//                               is exhaustive): the slowest of them
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"

namespace vornia::bench {
namespace {

// Processor time of this thread, so that other work on the machine does not
// count against a request.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct TLandPieces {
    std::vector<TResourcePlate> Plates;
    explicit TLandPieces(const TPlateList& list)
    {
        for (const auto& e : list.All())
            Plates.push_back(e.Plate);
    }
    void Restore(TPlateList& list) const
    {
        for (int i = 0; i < list.Count(); ++i)
            list[i] = Plates[static_cast<std::size_t>(i)];
    }
};

TFairRules RulesOf(int bits)
{
    TFairRules rules;
    for (std::size_t r = 0; r < FairRuleRows.size(); ++r)
        rules.*(FairRuleRows[r].Field) = (bits >> r) & 1;
    return rules;
}

std::string RulesName(int bits)
{
    std::string name;
    for (std::size_t r = 0; r < FairRuleRows.size(); ++r)
        if ((bits >> r) & 1)
            name += std::string(name.empty() ? "" : "+") + std::string(FairRuleRows[r].Word);
    return name;
}

int Table(int seeds)
{
    std::printf("Fair-board success, default pieces, %d seeds per cell (found / impossible / gave up)\n\n", seeds);
    std::printf("%-20s", "shape");
    for (int bits = 1; bits < 16; ++bits)
        std::printf(" %5d", bits);
    std::printf("\n");
    long long impossible = 0, gaveUp = 0, requests = 0;
    double slowest = 0;
    long long mostNodes = 0;
    std::string slowestWhere;
    std::vector<double> times;
    for (std::string_view shape : ShapeNames) {
        int found[16] = {};
        for (int seed = 1; seed <= seeds; ++seed) {
            TBoardSettings settings;
            settings.Shape = shape;
            TRandomSource random;
            random.UseFixedClock(static_cast<std::uint32_t>(seed) * 7919u % 86400000u);
            TPanelBoard panel;
            panel.GenerateBoard(settings, 100, random);
            const TLandPieces dealt(panel.Plates());
            const std::uint32_t state = random.Seed();
            for (int bits = 1; bits < 16; ++bits) {
                dealt.Restore(panel.Plates());
                random.SetSeed(state);
                const double start = CpuMs();
                TFairEffort effort;
                const TFairOutcome outcome = ApplyFairRules(panel.Plates(), 100, RulesOf(bits), random, &effort);
                const double ms = CpuMs() - start;
                times.push_back(ms);
                mostNodes = std::max(mostNodes, effort.Nodes);
                if (ms > slowest) {
                    slowest = ms;
                    slowestWhere = std::string(shape) + " seed " + std::to_string(seed) + " " + RulesName(bits) + ", " +
                                   std::to_string(effort.Nodes) + " nodes";
                }
                ++requests;
                if (outcome == TFairOutcome::Found)
                    ++found[bits];
                else if (outcome == TFairOutcome::Impossible)
                    ++impossible;
                else
                    ++gaveUp;
            }
        }
        std::printf("%-20s", std::string(shape).c_str());
        for (int bits = 1; bits < 16; ++bits)
            std::printf(" %5.1f", 100.0 * found[bits] / seeds);
        std::printf("\n");
    }
    std::printf("\ncolumns (per cent found):");
    for (int bits = 1; bits < 16; ++bits)
        std::printf(" %d=%s", bits, RulesName(bits).c_str());
    std::sort(times.begin(), times.end());
    std::printf("\n\n%lld requests: %lld impossible, %lld gave up\n", requests, impossible, gaveUp);
    std::printf("rule pass alone (processor time): median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms (%s)\n",
                times[times.size() / 2], times[times.size() * 99 / 100], slowest, slowestWhere.c_str());
    std::printf("most search nodes of one request: %lld\n", mostNodes);
    return 0;
}

// Random custom requests of at most maxLand land plates on every shape, all
// rules or a random choice; the slowest are shown.
int Stress(int requests, int maxLand)
{
    TRandomSource dice;
    dice.SetSeed(12345);
    struct TSlow {
        double Ms;
        std::string What;
    };
    std::vector<TSlow> slow;
    long long counts[3] = {};
    // The shapes that take the counts: all but the fixed islands.
    std::vector<std::string_view> counted;
    for (std::string_view shape : ShapeNames)
        if (!FindFixedIsland(shape))
            counted.push_back(shape);
    for (int k = 0; k < requests; ++k) {
        TBoardSettings settings;
        settings.Shape = counted[static_cast<std::size_t>(dice.Next(static_cast<int>(counted.size())))];
        std::string what = settings.Shape + " land";
        int land = 0;
        for (std::size_t c = 0; c < 6; ++c) {
            const int left = maxLand - land;
            const int n = std::min(left, dice.Next(c == 5 ? 1 + maxLand / 6 : 1 + maxLand * 3 / 8));
            settings.*(CountKeys[c].Field) = n;
            land += n;
            what.append(" ").append(std::to_string(n));
        }
        what += " numbers";
        for (std::size_t c = 13; c < 24; ++c) {
            settings.*(CountKeys[c].Field) = dice.Next(1 + maxLand / 5);
            what.append(" ").append(std::to_string(settings.*(CountKeys[c].Field)));
        }
        const int bits = dice.Next(3) == 0 ? 15 : 1 + dice.Next(15);
        what.append(" ").append(RulesName(bits));
        TRandomSource random;
        random.UseFixedClock(static_cast<std::uint32_t>(dice.Next(86400000)));
        TPanelBoard panel;
        panel.GenerateBoard(settings, 100, random);
        const double start = CpuMs();
        TFairEffort effort;
        const TFairOutcome outcome = ApplyFairRules(panel.Plates(), 100, RulesOf(bits), random, &effort);
        const double ms = CpuMs() - start;
        ++counts[static_cast<int>(outcome)];
        slow.push_back({ms, what + " -> " +
                                std::string(outcome == TFairOutcome::Found ? "found" : FairFailureText(outcome)) +
                                " (" + std::to_string(effort.Nodes) + " nodes)"});
    }
    std::sort(slow.begin(), slow.end(), [](const TSlow& a, const TSlow& b) { return a.Ms > b.Ms; });
    std::printf("%d requests: %lld found, %lld impossible, %lld gave up\n", requests, counts[0], counts[1], counts[2]);
    for (std::size_t i = 0; i < std::min<std::size_t>(8, slow.size()); ++i)
        std::printf("%9.3f ms processor time  %s\n", slow[i].Ms, slow[i].What.c_str());
    return counts[2] == 0 ? 0 : 1;
}

} // namespace
} // namespace vornia::bench

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--stress") == 0)
        return vornia::bench::Stress(argc > 2 ? std::atoi(argv[2]) : 20000, argc > 3 ? std::atoi(argv[3]) : 24);
    return vornia::bench::Table(argc > 1 ? std::atoi(argv[1]) : 1000);
}
