// Fuzz target: the command line of vornia-cli. The input is the arguments
// after the program's name, separated by NUL bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_settings.h"
#include "board/geometry.h"
#include "cli/cli_args.h"
#include "fuzz_check.h"

namespace {

using namespace vornia;

std::vector<std::string> SplitArguments(std::string_view text)
{
    std::vector<std::string> args{"vornia-cli"};
    if (text.empty())
        return args;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\0', start);
        args.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return args;
        start = end + 1;
    }
}

// An accepted command line holds only what the commands can carry out.
void CheckAccepted(const TCliArgs& a)
{
    const bool generate = a.Command == TCliCommand::Generate;
    if (a.Command == TCliCommand::Help)
        return;
    if (!generate)
        FUZZ_CHECK(!a.BoardFile.empty());
    if (a.Command == TCliCommand::Render || a.BlackAndWhite)
        FUZZ_CHECK(WantsPicture(a));
    FUZZ_CHECK(a.Count >= 1 && a.Count <= MaxBatchCount);
    if (a.Count > 1)
        FUZZ_CHECK(!a.OutDir.empty());
    if (!a.OutDir.empty())
        FUZZ_CHECK(a.OutFile.empty() && a.PngFile.empty() && a.SvgFile.empty());
    if (a.Shape)
        FUZZ_CHECK(IsKnownShape(*a.Shape));
    if (a.Mass)
        FUZZ_CHECK(IsKnownLandMass(*a.Mass));
    if (a.Zoom)
        FUZZ_CHECK(IsKnownZoom(*a.Zoom));
    if (a.Seed)
        FUZZ_CHECK(*a.Seed <= 86399999u);
    for (const auto& [key, value] : a.Counts) {
        FUZZ_CHECK(value >= 0 && value <= MaxPieceCount);
        bool known = false;
        for (const TCountKey& k : CountKeys)
            known = known || k.Key == key;
        FUZZ_CHECK(known);
    }
    if (!generate)
        FUZZ_CHECK(a.Counts.empty() && !a.Seed && a.OutFile.empty() && !a.Force && a.SettingsFile.empty() &&
                   a.OutDir.empty() && !a.Fair);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> args =
        SplitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    const TCliParse parse = ParseCliArgs(args);
    if (parse.Ok) {
        FUZZ_CHECK(parse.Error.empty());
        CheckAccepted(parse.Args);
    } else {
        // The message goes to the terminal as one line: no line end, no
        // control character of an argument that could move the cursor.
        FUZZ_CHECK(!parse.Error.empty());
        for (const char c : parse.Error)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
    return 0;
}
