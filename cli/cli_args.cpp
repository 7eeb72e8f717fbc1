#include "cli_args.h"

#include <string_view>
#include <utility>

#include "board/board_settings.h"
#include "board/fair_rules.h"
#include "board/geometry.h"
#include "board/plate.h"
#include "board/walked_shapes.h"

namespace vornia {

namespace {

// The message as one printable line: an argument may hold line ends or
// terminal control characters, which are shown as escapes instead.
std::string PrintableLine(const std::string& text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code != 0x7F) {
            line += c;
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else {
            line += "\\x";
            line += Hex[code >> 4];
            line += Hex[code & 0xF];
        }
    }
    return line;
}

// The shape names, comma-separated.
std::string ShapeList()
{
    std::string list;
    for (const std::string_view name : ShapeNames)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// The piece set words, "3-4 or 5-6".
std::string PieceSetWords()
{
    std::string words;
    for (std::size_t i = 0; i < PieceSets.size(); ++i)
        words += (i == 0 ? "" : i + 1 == PieceSets.size() ? " or " : ", ") + std::string(PieceSets[i].Word);
    return words;
}

struct TParser {
    const std::vector<std::string>& Args;
    std::size_t Next = 1;
    TCliParse Result;
    bool CountGiven = false;

    bool Fail(const std::string& message)
    {
        Result.Ok = false;
        Result.Error = PrintableLine(message);
        return false;
    }

    // The value after an option, or a failure naming the option.
    bool Value(const std::string& option, std::string& value)
    {
        if (Next >= Args.size())
            return Fail("missing value after " + option);
        value = Args[Next++];
        return true;
    }

    bool ParseCounts(const std::string& text)
    {
        std::string_view rest = text;
        while (true) {
            const auto comma = rest.find(',');
            const std::string_view item = rest.substr(0, comma);
            const auto equals = item.find('=');
            if (equals == std::string_view::npos)
                return Fail("bad count '" + std::string(item) + "' in --counts (expected KEY=N)");
            const std::string_view key = item.substr(0, equals);
            const std::string_view number = item.substr(equals + 1);
            const TCountKey* found = nullptr;
            for (const auto& k : CountKeys)
                if (SameText(k.Key, key))
                    found = &k;
            if (!found)
                return Fail("unknown count key '" + std::string(key) + "' in --counts");
            int value = 0;
            if (!ParseInteger(number, value) || value < 0 || value > MaxPieceCount)
                return Fail("count " + std::string(key) + "=" + std::string(number) +
                            " in --counts is not a whole number from 0 to 500");
            Result.Args.Counts.emplace_back(std::string(found->Key), value);
            if (comma == std::string_view::npos)
                return true;
            rest.remove_prefix(comma + 1);
        }
    }

    bool Option(const std::string& arg)
    {
        TCliArgs& a = Result.Args;
        const TCliCommand c = a.Command;
        const bool generate = c == TCliCommand::Generate;
        std::string value;
        if (arg == "--settings" && generate)
            return Value(arg, a.SettingsFile);
        if (arg == "--shape" && (generate || c == TCliCommand::Stats)) {
            if (!Value(arg, value))
                return false;
            const int shape = ShapeIndex(value);
            if (shape < 0)
                return Fail("unknown shape '" + value + "' for --shape (" + ShapeList() + ")");
            // The table's spelling, as the options dialog gives it.
            a.Shape = std::string(ShapeNames[static_cast<std::size_t>(shape)]);
            return true;
        }
        if (arg == "--mass" && (generate || c == TCliCommand::Stats)) {
            if (!Value(arg, value))
                return false;
            if (!IsKnownLandMass(value))
                return Fail("unknown land mass '" + value + "' for --mass (any, low, medium or high)");
            a.Mass = value;
            return true;
        }
        if (arg == "--pieces" && generate) {
            if (!Value(arg, value))
                return false;
            const TPieceSet* set = FindPieceSet(value);
            if (!set)
                return Fail("unknown piece set '" + value + "' for --pieces (" + PieceSetWords() + ")");
            a.Pieces = std::string(set->Word);
            return true;
        }
        if (arg == "--counts" && generate)
            return Value(arg, value) && ParseCounts(value);
        if (arg == "--zoom" && (generate || c == TCliCommand::Render)) {
            int zoom = 0;
            if (!Value(arg, value))
                return false;
            if (!ParseInteger(value, zoom) || !IsKnownZoom(zoom))
                return Fail("bad zoom '" + value + "' for --zoom (100, 75 or 50)");
            a.Zoom = zoom;
            return true;
        }
        if (arg == "--seed" && generate) {
            int seed = 0;
            if (!Value(arg, value))
                return false;
            if (!ParseInteger(value, seed) || seed < 0 || seed > MaxSeed)
                return Fail("bad seed '" + value + "' for --seed (0 to 86399999)");
            a.Seed = static_cast<std::uint32_t>(seed);
            return true;
        }
        if (arg == "--fair" && generate) {
            TFairRules rules;
            if (!Value(arg, value))
                return false;
            if (!ParseFairWords(value, rules))
                return Fail("bad rule list '" + value + "' for --fair (red, equal, resource, pips, all or none)");
            a.Fair = rules;
            return true;
        }
        if (arg == "--balance" && (generate || c == TCliCommand::Stats)) {
            a.Balance = true;
            return true;
        }
        if (arg == "--analyse" && generate) {
            a.Analyse = true;
            return true;
        }
        if (arg == "--json" && (generate || c == TCliCommand::Analyse)) {
            a.Json = true;
            return true;
        }
        if (arg == "--corners" && (generate || c == TCliCommand::Render)) {
            a.CornerPips = true;
            return true;
        }
        if (arg == "--out" && generate)
            return Value(arg, a.OutFile);
        if (arg == "--out-dir" && generate)
            return Value(arg, a.OutDir);
        if (arg == "--count" && generate) {
            if (!Value(arg, value))
                return false;
            if (!ParseInteger(value, a.Count) || a.Count < 1 || a.Count > MaxBatchCount)
                return Fail("bad count '" + value + "' for --count (1 to " + std::to_string(MaxBatchCount) + ")");
            CountGiven = true;
            return true;
        }
        if (arg == "--force" && generate) {
            a.Force = true;
            return true;
        }
        if (generate || c == TCliCommand::Render) {
            for (auto [option, file] :
                 {std::pair{"--png", &a.PngFile}, std::pair{"--svg", &a.SvgFile}, std::pair{"--pdf", &a.PdfFile}})
                if (arg == option)
                    return Value(arg, *file);
        }
        if (arg == "--bw" && (generate || c == TCliCommand::Render)) {
            a.BlackAndWhite = true;
            return true;
        }
        return Fail("unknown argument '" + arg + "'");
    }

    bool Run()
    {
        if (Args.size() < 2)
            return Fail("missing command (generate, stats, render or analyse); see --help");
        const std::string& command = Args[1];
        Next = 2;
        TCliArgs& a = Result.Args;
        if (command == "--help" || command == "-h" || command == "help") {
            a.Command = TCliCommand::Help;
            Result.Ok = true;
            return true;
        }
        if (command == "generate")
            a.Command = TCliCommand::Generate;
        else if (command == "stats")
            a.Command = TCliCommand::Stats;
        else if (command == "render")
            a.Command = TCliCommand::Render;
        else if (command == "analyse")
            a.Command = TCliCommand::Analyse;
        else
            return Fail("unknown command '" + command + "'");

        while (Next < Args.size()) {
            const std::string arg = Args[Next++];
            if (arg == "--help" || arg == "-h") {
                a.Command = TCliCommand::Help;
                Result.Ok = true;
                return true;
            }
            if (arg.rfind("--", 0) == 0) {
                if (!Option(arg))
                    return false;
            } else if (a.Command != TCliCommand::Generate && a.BoardFile.empty()) {
                a.BoardFile = arg;
            } else {
                return Fail("unexpected argument '" + arg + "'");
            }
        }
        if (a.Command != TCliCommand::Generate && a.BoardFile.empty())
            return Fail("missing board file for " + command);
        if (a.Command == TCliCommand::Render && !WantsPicture(a))
            return Fail("missing --png FILE.png, --svg FILE.svg or --pdf FILE.pdf for render");
        if (a.BlackAndWhite && !WantsPicture(a))
            return Fail("--bw needs --png, --svg or --pdf");
        if (a.CornerPips && !WantsPicture(a))
            return Fail("--corners needs --png, --svg or --pdf");
        if (a.Command == TCliCommand::Analyse)
            a.Analyse = true;
        if (a.Json && !a.Analyse)
            return Fail("--json needs --analyse");
        if (a.Analyse && !a.OutDir.empty())
            return Fail("--analyse cannot be used with --out-dir (analyse the boards one by one)");
        if (CountGiven && a.OutDir.empty())
            return Fail("--count needs --out-dir DIR");
        if (!a.OutDir.empty() && !a.OutFile.empty())
            return Fail("--out cannot be used with --out-dir (the boards are named in DIR)");
        if (!a.OutDir.empty() && (!a.PngFile.empty() || !a.SvgFile.empty()))
            return Fail("--png and --svg cannot be used with --out-dir (--pdf makes a booklet of the boards)");
        Result.Ok = true;
        return true;
    }
};

} // namespace

TCliParse ParseCliArgs(const std::vector<std::string>& args)
{
    TParser parser{args, 1, {}};
    parser.Run();
    return parser.Result;
}

std::string CliUsage()
{
    std::string usage = R"(vornia-cli: generate, measure and draw boards without a window.

  vornia-cli generate [--settings FILE.ini] [--shape NAME] [--mass any|low|medium|high]
                      [--pieces 3-4|5-6] [--counts KEY=N,KEY=N,...]
                      [--zoom 100|75|50] [--seed N]
                      [--out FILE.mirl] [--force]
                      [--png FILE.png] [--svg FILE.svg] [--pdf FILE.pdf] [--bw]
                      [--fair red,equal,resource,pips|all|none] [--balance]
                      [--corners] [--analyse [--json]]
  vornia-cli generate [the options above but --out, --png, --svg and --analyse]
                      --count N --out-dir DIR [--pdf BOOKLET.pdf]
      Makes one board as the first "Generate New Board" of a fresh run would:
      the settings start at their defaults, then FILE.ini is read, then the
      options apply. NAME is one of the shapes: @SHAPES@
      "large traditional" is the island for five and six players.
      --pieces sets all 24 counts to the
      pieces for three or four players (3-4, the default counts) or for five
      or six (5-6); --counts then changes single counts. Count keys are the
      settings keys (Brick, Grain, Lumber, Ore, Wool, Desert, Water,
      waterBrick ... waterMark, pieTwo ... pieTwelve), each 0 to 500. The
      traditional islands always use their own pieces. --seed N (0 to 86399999) makes every reseed read N
      milliseconds, so the same arguments give the same board. --out writes the
      board file (an existing file only with --force); --png, --svg and --pdf
      draw the board's whole picture, any one or more of them. --fair chooses
      the fair-board rules instead of the settings file: no 6 and 8 side by
      side (red), no equal numbers side by side (equal), no equal resources
      side by side (resource), pips balanced per resource (pips).
      --corners draws the corner pips over the pictures: every corner with a
      pip shows its pips in a disc, the best starting corners are ringed
      with their rank. --analyse prints the board's analysis after the six
      lines, as analyse does (with --json, the JSON object alone).
      With --out-dir, makes N boards (1 to 10000, default 1) as the first N
      "Generate New Board" of a run would, named "New <shape> 1" to N, saved
      as DIR/board-0001.mirl and so on; board i uses seed (S + i - 1) modulo
      86400000, where S is --seed or else the time of day when the batch
      starts, so --seed alone remakes any one board. Last, DIR/boards.tsv
      lists every board: file, name, seed, shape, attempts, the lowest,
      actual and highest averages, the land-mass category, the balance (the
      pips of each resource, the red, equal and resource pairs) and "ok" or
      why the board failed. --pdf makes a booklet of them, a page per board with
      its name as the heading. Existing board files or table are replaced
      only with --force. On a terminal, a progress line goes to the error
      output.

  vornia-cli stats FILE.mirl [--shape NAME] [--mass any|low|medium|high] [--balance]
      Opens a board file and prints its statistics; --shape and --mass are
      the requested shape and land mass that the status panels show.

  vornia-cli render FILE.mirl [--png FILE.png] [--svg FILE.svg] [--pdf FILE.pdf]
                    [--bw] [--zoom 100|75|50] [--corners]
      Draws a saved board, rescaled to --zoom as the zoom menu would, into
      any one or more of the three (at least one). PNG is pixels, at most
      16384 on a side; SVG and PDF are shapes and text, of any size (a PDF
      page is scaled down only past the 200 inches a PDF page may have).
      --bw draws in black and white; --corners adds the corner pips.

  vornia-cli analyse FILE.mirl [--json]
      Opens a board file and prints what the board is worth to its players:
      per resource its plates, numbered plates, pips and its share of the
      pips against its share of the numbered plates; the best starting
      corners (most pips, then most resources, none next to another, at
      most 12) with their pips, resources, harbour and position; and a score
      from 0 to 100 for how fair the board is, with what it lost to the
      spread of the eight best corners, to pips that stray from the
      resources' shares and to red and equal neighbours. --json prints one
      JSON object instead, with every corner of the board.

Both generate (of one board) and stats print six lines: the board name, the
four status panels (shape, plain waters, land mass, mass stats) and the
attempts; --balance adds a seventh: the pips of each resource and the
neighbour pairs that break the first three fair-board rules.
Exit status: 0 success, 1 a file could not be read or written, 2 usage
error, 3 the board (or a board of a batch) could not be made.
)";
    // The shape names from their table, the lines filled to 78 columns.
    const std::string marker = "@SHAPES@";
    const std::size_t at = usage.find(marker);
    const std::size_t lineStart = usage.rfind('\n', at) + 1;
    std::string names;
    std::size_t column = at - lineStart;
    for (std::size_t i = 0; i < ShapeNames.size(); ++i) {
        const std::string word = std::string(ShapeNames[i]) + (i + 1 < ShapeNames.size() ? "," : ".");
        if (i > 0) {
            if (column + 1 + word.size() > 78) {
                names += "\n      ";
                column = 6;
            } else {
                names += ' ';
                ++column;
            }
        }
        names += word;
        column += word.size();
    }
    usage.replace(at, marker.size(), names);
    return usage;
}

} // namespace vornia
