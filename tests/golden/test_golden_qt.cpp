// The golden boards: every case of tests/data/golden/manifest.txt is made
// again by the tool's own code (argument parsing, RunCli, the board file and
// the picture drawing of vornia-cli) and compared with what was kept in
// tests/data/golden/NAME.out and NAME.mirl.
//
// Pictures are kept as the SHA-256 of their pixels, not of PNG files: the
// pixels must never change, while the PNG encoder's settings may. Small
// pictures still go through the real PNG writer, and the decoded file must
// give the same pixels. Board files over MaxKeptBoardFile bytes are kept as
// their SHA-256.
//
// After a deliberate change of boards, texts or pictures, rewrite the kept
// files with scripts/golden.sh (or VORNIA_GOLDEN_WRITE=1 test_golden_qt),
// look at the diff, and commit it.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QString>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

#include "board/board_settings.h"
#include "board/generator_version.h"
#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "cli/picture_qt.h"

namespace vornia {
namespace {

namespace fs = std::filesystem;

const fs::path GoldenDir = fs::path(VORNIA_TEST_DATA) / "golden";
constexpr std::uintmax_t MaxKeptBoardFile = 200 * 1024;
// Larger pictures are hashed without the PNG round trip, which would take
// seconds each (a random board of 500 of everything is about 10000 pixels wide).
constexpr qint64 MaxEncodedPixels = 4'000'000;

struct TGoldenCase {
    std::string Name;
    std::vector<std::string> Args; // after "vornia-cli generate"
};

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The words of a manifest line; 'single quotes' hold a word with spaces.
std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (const char c : line) {
        if (c == '\'') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::vector<TGoldenCase> ReadManifest()
{
    std::vector<TGoldenCase> cases;
    std::istringstream in(ReadBytes(GoldenDir / "manifest.txt"));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> words = SplitWords(line);
        if (words.empty() || words[0].starts_with('#'))
            continue;
        cases.push_back({words[0], std::vector<std::string>(words.begin() + 1, words.end())});
    }
    return cases;
}

std::string Hex(const QByteArray& bytes)
{
    return bytes.toHex().toStdString();
}

std::string Sha256(const std::string& bytes)
{
    return Hex(QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256));
}

// The pixels as A, R, G, B bytes row by row, whatever the image's format and
// the machine's byte order; RGB32 counts as opaque.
std::string PixelDigest(const QImage& picture)
{
    const bool opaque = picture.format() == QImage::Format_RGB32;
    const QImage image =
        opaque || picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray row(image.width() * 4, '\0');
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = opaque ? (line[x] | 0xFF000000u) : line[x];
            for (int b = 0; b < 4; ++b)
                row[4 * x + b] = static_cast<char>(pixel >> (24 - 8 * b));
        }
        hash.addData(row);
    }
    return std::to_string(image.width()) + " x " + std::to_string(image.height()) + ", pixels sha256 " +
           Hex(hash.result());
}

// Runs the case as `vornia-cli generate ARGS --out DIR/board.mirl --png
// DIR/picture.png` would, and describes all it produced. The picture writer
// draws both the colour and the black and white picture of the board.
std::string RunCase(const TGoldenCase& c, const fs::path& dir, std::string& boardFile, std::string& problems)
{
    const std::string board = (dir / "board.mirl").string(), png = (dir / "picture.png").string();
    std::vector<std::string> args{"vornia-cli", "generate"};
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    args.insert(args.end(), {"--out", board, "--png", png});
    const TCliParse parse = ParseCliArgs(args);
    if (!parse.Ok)
        return "usage error: " + parse.Error + "\n";

    std::string pictures;
    const TPictureWriter writer = [&](const TPictureRequest& request, std::string& error) {
        bool written = false;
        for (const bool bw : {false, true}) {
            const TPictureRequest variant{request.Plates, request.Zoom, bw, request.Path};
            std::string reason;
            const QImage image = DrawBoardPicture(variant, reason);
            const std::string digest = image.isNull() ? "refused: " + reason : PixelDigest(image);
            pictures += std::string(bw ? "picture bw: " : "picture colour: ") + digest + "\n";
            if (bw != request.BlackAndWhite)
                continue;
            if (image.isNull() || qint64(image.width()) * image.height() > MaxEncodedPixels) {
                error = reason;
                written = !image.isNull();
                continue;
            }
            written = WriteBoardPicture(request, error);
            const QImage decoded(QString::fromStdString(request.Path));
            if (written && (decoded.isNull() || PixelDigest(decoded) != digest))
                problems += "the PNG file does not hold the drawn picture\n";
        }
        return written;
    };
    std::ostringstream out, err;
    const int status = RunCli(parse.Args, out, err, writer);

    auto lines = [&](const std::string& text, const char* tag) {
        std::string described, part;
        std::istringstream in(text);
        while (std::getline(in, part))
            described += tag + part + "\n";
        return described;
    };
    std::string errText = err.str();
    for (auto at = errText.find(dir.string()); at != std::string::npos; at = errText.find(dir.string()))
        errText.replace(at, dir.string().size(), "<dir>");

    std::string result =
        "exit: " + std::to_string(status) + "\n" + lines(out.str(), "out: ") + lines(errText, "err: ") + pictures;
    boardFile.clear();
    if (!fs::exists(board)) {
        result += "board: none\n";
    } else {
        const std::string bytes = ReadBytes(board);
        if (bytes.size() > MaxKeptBoardFile)
            result += "board: " + std::to_string(bytes.size()) + " bytes, sha256 " + Sha256(bytes) + "\n";
        else {
            result += "board: " + c.Name + ".mirl, " + std::to_string(bytes.size()) + " bytes\n";
            boardFile = bytes;
        }
    }
    return result;
}

// The line as it can be printed: line ends and control characters escaped.
std::string Shown(const std::string& line)
{
    std::string shown;
    for (const char ch : line) {
        if (ch == '\r')
            shown += "\\r";
        else if (static_cast<unsigned char>(ch) < 0x20)
            shown += "\\x" + Hex(QByteArray(1, ch));
        else
            shown += ch;
    }
    return shown;
}

// Empty when the texts are equal; else the first differing line of each and
// the number of differing lines.
std::string Difference(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return {};
    auto split = [](const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        lines.push_back(text.substr(start));
        return lines;
    };
    const auto want = split(expected), got = split(actual);
    std::size_t first = std::string::npos, differing = 0;
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const bool same = i < want.size() && i < got.size() && want[i] == got[i];
        if (!same && first == std::string::npos)
            first = i;
        differing += !same;
    }
    auto line = [](const std::vector<std::string>& lines, std::size_t i) {
        return i < lines.size() ? "'" + Shown(lines[i]) + "'" : std::string("(no such line)");
    };
    return "line " + std::to_string(first + 1) + " (" + std::to_string(differing) +
           " lines differ)\n  expected: " + line(want, first) + "\n  actual:   " + line(got, first) + "\n";
}

// The generator version the golden boards were made with.
const fs::path VersionPath = GoldenDir / "generator_version.txt";
int RecordedGeneratorVersion()
{
    return std::atoi(ReadBytes(VersionPath).c_str());
}

// The "board:" line of a case's result.
std::string BoardLine(const std::string& result)
{
    const std::size_t at = result.find("\nboard: ");
    return at == std::string::npos ? "" : result.substr(at + 1, result.find('\n', at + 1) - at - 1);
}

class Golden : public ::testing::TestWithParam<TGoldenCase> {
protected:
    fs::path dir;
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vornia-golden-" + std::to_string(::getpid()) + "-" + GetParam().Name);
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_P(Golden, BoardTextsPicturesAndFileAreUnchanged)
{
    const TGoldenCase& c = GetParam();
    std::string boardFile, problems;
    const std::string result = RunCase(c, dir, boardFile, problems);
    EXPECT_EQ(problems, "") << c.Name;

    const fs::path resultPath = GoldenDir / (c.Name + ".out"), boardPath = GoldenDir / (c.Name + ".mirl");
    if (const char* write = std::getenv("VORNIA_GOLDEN_WRITE"); write && *write) {
        WriteBytes(resultPath, result);
        WriteBytes(VersionPath, std::to_string(BoardGeneratorVersion) + "\n");
        fs::remove(boardPath);
        if (!boardFile.empty())
            WriteBytes(boardPath, boardFile);
        return;
    }
    ASSERT_TRUE(fs::exists(resultPath)) << resultPath << " is missing; see scripts/golden.sh";
    const std::string kept = ReadBytes(resultPath);
    const bool boardChanged =
        BoardLine(kept) != BoardLine(result) || (!boardFile.empty() && ReadBytes(boardPath) != boardFile);
    if (boardChanged && RecordedGeneratorVersion() == BoardGeneratorVersion)
        ADD_FAILURE() << c.Name << " makes another board than the golden one, while BoardGeneratorVersion is still "
                      << BoardGeneratorVersion
                      << ": links made before would silently give other boards. If the change is meant, raise "
                         "BoardGeneratorVersion (board/generator_version.h) and rewrite the golden data with "
                         "scripts/golden.sh.";
    if (const std::string diff = Difference(kept, result); !diff.empty())
        ADD_FAILURE() << c.Name << ".out differs from the kept one at " << diff;
    if (const std::string diff = boardFile.empty() ? "" : Difference(ReadBytes(boardPath), boardFile); !diff.empty())
        ADD_FAILURE() << c.Name << ".mirl differs from the kept one at " << diff;
}

INSTANTIATE_TEST_SUITE_P(Manifest, Golden, ::testing::ValuesIn(ReadManifest()),
                         [](const ::testing::TestParamInfo<TGoldenCase>& golden) {
                             std::string name = golden.param.Name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// Raising the generator version means new golden boards, made with it.
TEST(GoldenManifest, RecordsTheBoardGeneratorVersion)
{
    EXPECT_EQ(RecordedGeneratorVersion(), BoardGeneratorVersion)
        << "the golden data was made with another BoardGeneratorVersion: rewrite it with scripts/golden.sh";
}

// The set must go on covering the whole range of the tool, each case under a
// name of its own (names are file names).
TEST(GoldenManifest, CoversEveryShapeLandMassAndZoom)
{
    const auto cases = ReadManifest();
    EXPECT_EQ(cases.size(), 72u);
    std::set<std::string> names, shapes, masses, zooms;
    bool custom = false, all500 = false, pieces = false;
    for (const auto& c : cases) {
        EXPECT_TRUE(names.insert(c.Name).second) << c.Name;
        for (std::size_t i = 0; i + 1 < c.Args.size(); ++i) {
            const std::string& option = c.Args[i];
            const std::string& value = c.Args[i + 1];
            if (option == "--shape")
                shapes.insert(value);
            else if (option == "--mass")
                masses.insert(value);
            else if (option == "--zoom")
                zooms.insert(value);
            else if (option == "--pieces")
                pieces = true;
            else if (option == "--counts")
                (value.find("pieTwelve=500") != std::string::npos ? all500 : custom) = true;
        }
    }
    EXPECT_EQ(shapes.size(), ShapeNames.size());
    for (const auto shape : ShapeNames)
        EXPECT_TRUE(shapes.count(std::string(shape))) << shape;
    EXPECT_EQ(masses, (std::set<std::string>{"any", "low", "medium", "high"}));
    EXPECT_EQ(zooms, (std::set<std::string>{"100", "75", "50"}));
    EXPECT_TRUE(custom);
    EXPECT_TRUE(all500);
    EXPECT_TRUE(pieces);
}

} // namespace
} // namespace vornia
