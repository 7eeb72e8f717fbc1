// The command line of vornia-cli, parsed without touching any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/board_settings.h"

namespace vornia {

enum class TCliCommand { Help, Generate, Stats, Render, Analyse };

struct TCliArgs {
    TCliCommand Command = TCliCommand::Help;
    std::string SettingsFile;                      // generate --settings
    std::optional<std::string> Shape;              // generate, stats --shape
    std::optional<std::string> Mass;               // generate, stats --mass
    std::optional<std::string> Pieces;             // generate --pieces: the word of a piece set
    std::vector<std::pair<std::string, int>> Counts; // generate --counts (keys as in the settings file)
    std::optional<int> Zoom;                       // generate, render --zoom
    std::optional<std::uint32_t> Seed;             // generate --seed
    std::string OutFile;                           // generate --out
    bool Force = false;                            // generate --force
    std::string PngFile;                           // generate, render --png
    std::string SvgFile;                           // generate, render --svg
    std::string PdfFile;                           // generate, render --pdf
    bool BlackAndWhite = false;                    // --bw
    std::string BoardFile;                         // stats, render, analyse FILE.mirl
    std::string OutDir;                            // generate --out-dir: a batch of boards
    int Count = 1;                                 // generate --count: boards in the batch
    std::optional<TFairRules> Fair;                // generate --fair
    bool Balance = false;                          // generate, stats --balance
    bool Analyse = false;                          // generate --analyse; always for analyse
    bool Json = false;                             // analyse, generate --analyse --json
    bool CornerPips = false;                       // generate, render --corners
};

constexpr int MaxBatchCount = 10000;
constexpr int MaxSeed = 86399999; // --seed: the last millisecond of a day
// True when any of --png, --svg and --pdf was given.
inline bool WantsPicture(const TCliArgs& args)
{
    return !args.PngFile.empty() || !args.SvgFile.empty() || !args.PdfFile.empty();
}

struct TCliParse {
    bool Ok = false;
    TCliArgs Args;
    std::string Error; // one line naming the bad argument
};

TCliParse ParseCliArgs(const std::vector<std::string>& args);

std::string CliUsage();

} // namespace vornia
