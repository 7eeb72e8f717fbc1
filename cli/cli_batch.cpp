#include "cli_batch.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "board/fair_rules.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "cli_run.h"
#include "files/board_file.h"
#include "files/file_utils.h"

namespace vornia {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view TableFileName = "boards.tsv";

struct TBatchRow {
    std::string File; // empty when the board failed
    std::string Name;
    std::uint32_t Seed = 0;
    int Attempts = 0;
    TStats Stats;
    TBalance Balance;
    std::string Result = "ok";
};

std::string TableLine(const TBatchRow& row, const std::string& shape)
{
    const bool made = !row.File.empty();
    std::vector<std::string> fields{row.File, row.Name, std::to_string(row.Seed), shape, std::to_string(row.Attempts)};
    for (const double average : {row.Stats.LowestAverage, row.Stats.ActualAverage, row.Stats.HighestAverage})
        fields.push_back(made ? FormatAverage(average) : std::string());
    fields.push_back(row.Stats.LandMass);
    std::vector<long long> balance(row.Balance.Pips.begin(), row.Balance.Pips.end());
    balance.insert(balance.end(), {row.Balance.Red, row.Balance.Equal, row.Balance.Resource});
    for (const long long value : balance)
        fields.push_back(made ? std::to_string(value) : std::string());
    fields.push_back(row.Result);
    std::string line;
    for (const std::string& field : fields)
        line.append(field).append("\t");
    line.back() = '\n';
    return line;
}

// False, with the message written, when a file the batch would write is
// there already and --force was not given.
bool CheckNothingReplaced(const TCliArgs& args, const fs::path& dir, std::ostream& err)
{
    if (args.Force)
        return true;
    std::vector<std::string> names{std::string(TableFileName)};
    for (int i = 1; i <= args.Count; ++i)
        names.push_back(BatchBoardFileName(i));
    for (const std::string& name : names) {
        std::error_code ec;
        if (fs::exists(dir / name, ec)) {
            err << "vornia-cli: " << (dir / name).string() << " exists already (use --force to overwrite it)\n";
            return false;
        }
    }
    return true;
}

// "New random 3" for the panel's "[New random 3]".
std::string BoardNameWithoutBrackets(const std::string& name)
{
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        return name.substr(1, name.size() - 2);
    return name;
}

} // namespace

std::string BatchBoardFileName(int board)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", board);
    return "board-" + std::string(number) + ".mirl";
}

std::uint32_t BatchSeed(std::uint32_t first, int board)
{
    return static_cast<std::uint32_t>((std::uint64_t{first} + static_cast<std::uint64_t>(board) - 1) % SeedsPerDay);
}

std::string BatchTableHeader()
{
    std::string header =
        "file\tname\tseed\tshape\tattempts\tlowest average\tactual average\thighest average\tland mass";
    for (const std::string_view resource : ResourceNames)
        header.append("\t").append(resource).append(" pips");
    return header + "\tred pairs\tequal pairs\tresource pairs\tresult";
}

int GenerateBatch(const TCliArgs& args, const TBoardSettings& settings, int zoom, std::ostream& out, std::ostream& err,
                  bool progress, const TBookletMaker& makeBooklet)
{
    const fs::path dir(args.OutDir);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        err << "vornia-cli: cannot make the folder " << args.OutDir << (ec ? ": " + ec.message() : "") << '\n';
        return ExitFileError;
    }
    if (!CheckNothingReplaced(args, dir, err))
        return ExitFileError;
    auto cannotWrite = [&](const std::string& path, const std::string& error) {
        if (progress)
            err << '\n';
        err << "vornia-cli: cannot write " << path << ": " << error << '\n';
        return ExitFileError;
    };
    std::unique_ptr<TBooklet> booklet;
    if (!args.PdfFile.empty()) {
        std::string error = "there is no booklet writer";
        booklet = makeBooklet ? makeBooklet() : nullptr;
        if (!booklet || !booklet->Begin(args.PdfFile, error))
            return cannotWrite(args.PdfFile, error);
    }

    const std::uint32_t firstSeed = args.Seed ? *args.Seed : TRandomSource::SystemTimeOfDayMs() % SeedsPerDay;
    const std::string shape = settings.GetShape();
    std::string table = BatchTableHeader() + "\n";
    int failed = 0;
    TPanelBoard panel;
    TRandomSource random;
    for (int i = 1; i <= args.Count; ++i) {
        TBatchRow row;
        row.Seed = BatchSeed(firstSeed, i);
        random.UseFixedClock(row.Seed);
        const TGenerationResult made = panel.GenerateBoard(settings, zoom, random);
        row.Attempts = panel.Attempts();
        if (!made.Made) {
            row.Result = made.FailureText;
            ++failed;
        } else {
            row.File = BatchBoardFileName(i);
            row.Name = BoardNameWithoutBrackets(made.Name);
            row.Stats = made.Stats;
            row.Balance = ComputeBalance(panel.Plates(), zoom);
            TIniFile ini((dir / row.File).string());
            WriteBoard(ini, panel.Plates(), zoom);
            std::string error;
            if (!ini.UpdateFile(&error))
                return cannotWrite(ini.Path(), error);
            if (booklet &&
                !booklet->AddBoard(
                    row.Name,
                    {panel.Plates(), zoom, args.BlackAndWhite, {}, TPictureFormat::Pdf, false, args.CornerPips}, error))
                return cannotWrite(args.PdfFile, error);
        }
        table += TableLine(row, shape);
        // The boards are in their files: the run need not keep them.
        panel.Registry().FreeBoards();
        if (progress)
            err << "\rboard " << i << " of " << args.Count << std::flush;
    }
    if (progress)
        err << '\n';

    std::string error;
    // A batch in which every board failed has no page for a booklet.
    if (booklet && failed < args.Count && !booklet->Finish(error))
        return cannotWrite(args.PdfFile, error);
    const fs::path tablePath = dir / TableFileName;
    if (!WriteFileAtomically(tablePath.string(), table, &error))
        return cannotWrite(tablePath.string(), error);
    out << args.Count - failed << " of " << args.Count << " boards made; the table is " << tablePath.string() << '\n';
    if (failed > 0) {
        err << "vornia-cli: " << failed << (failed == 1 ? " board" : " boards") << " could not be made; see "
            << tablePath.string() << '\n';
        return ExitNoBoard;
    }
    return ExitOk;
}

} // namespace vornia
