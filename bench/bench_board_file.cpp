// A hostile board file the way Open, the statistics and Save As meet it: one
// plate line of 50 MB, once as a 50 MB land kind and once without a single
// separator. The whole path should stay linear: a few times the time it
// takes to read the bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "board/panel_board.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "files/message_sink.h"
#include "files/open_board.h"

namespace vornia::bench {
namespace {

class TThrowingSink : public TMessageSink {
public:
    void ShowMessage(const std::string& text) override { throw std::runtime_error(text); }
};

std::string WriteLongLineFile(bool separated)
{
    constexpr std::size_t Size = std::size_t{50} << 20;
    std::string text = "[settings]\r\nplateCount=2\r\nplate[0]=";
    text.append(Size, 'G');
    text += separated ? ";10;33;6;;;btEast;\r\n" : "\r\n";
    text += "plate[1]=Water;49;33;;;;btWest;\r\n";
    const std::string path = std::string(P_tmpdir) + "/vornia-bench-long-line.mirl";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void OpenMeasureSave(benchmark::State& state, bool separated)
{
    const std::string path = WriteLongLineFile(separated);
    TThrowingSink sink;
    for (auto _ : state) {
        const std::unique_ptr<TIniFile> ini = OpenIniFile(path, sink);
        TPanelBoard panel;
        OpenBoard(panel, ReadBoard(*ini), path);
        benchmark::DoNotOptimize(panel.ComputeStats().PlainWaters);
        TIniFile saved;
        WriteBoard(saved, panel.Plates(), 100);
        benchmark::DoNotOptimize(saved.ToText().size());
    }
    std::remove(path.c_str());
}

BENCHMARK_CAPTURE(OpenMeasureSave, kind_of_50MB, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(OpenMeasureSave, line_without_separator_50MB, false)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vornia::bench

BENCHMARK_MAIN();
