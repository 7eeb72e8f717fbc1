// The functions the page's worker calls in the WebAssembly module. Each call
// leaves its result in module memory until the next call: a JSON text, the
// board file's bytes and the drawing's numbers and texts.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_settings.h"
#include "board/fair_rules.h"
#include "board/generator_version.h"
#include "board/translate.h"
#include "board/walked_shapes.h"
#include "cli/cli_args.h"
#include "core_bridge.h"
#include "render/board_picture.h"
#include "web_link.h"

namespace vornia {
namespace {

std::string Result;
std::string BoardBytes;
std::unique_ptr<TDisplayListCanvas> Drawing;
std::unique_ptr<TPanelBoard> Visit = std::make_unique<TPanelBoard>();

// A JSON string of bytes that may not be UTF-8: the decoder on the other
// side replaces what is not.
std::string Quoted(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (code < 0x20 || code == 0x7F) {
            out += "\\u00";
            out += Hex[code >> 4];
            out += Hex[code & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string BoardJson(const TWebBoard& board)
{
    std::string panels;
    for (const auto& text : board.Panels)
        panels += (panels.empty() ? "" : ",") + Quoted(text);
    return "{\"made\":" + std::string(board.Made ? "true" : "false") + ",\"error\":" + Quoted(board.Error) +
           ",\"failure\":" + Quoted(board.Failure) + ",\"name\":" + Quoted(board.Name) + ",\"panels\":[" + panels +
           "],\"attempts\":" + Quoted(board.Attempts) + ",\"balance\":" + Quoted(board.Balance) +
           ",\"zoom\":" + std::to_string(board.Zoom) + ",\"seed\":" + std::to_string(board.Seed) + "}";
}

void Keep(TWebBoard board)
{
    Result = BoardJson(board);
    BoardBytes = std::move(board.BoardFile);
}

// The words of the tool, each ended by a zero byte.
std::vector<std::string> SplitWords(const char* words, int size)
{
    std::vector<std::string> list;
    std::string_view rest(words, size > 0 ? static_cast<std::size_t>(size) : 0);
    while (!rest.empty()) {
        const auto end = rest.find('\0');
        list.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return list;
}

} // namespace
} // namespace vornia

using namespace vornia;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* vn_result()
{
    return Result.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* vn_board_bytes()
{
    return BoardBytes.data();
}
EMSCRIPTEN_KEEPALIVE int vn_board_size()
{
    return static_cast<int>(BoardBytes.size());
}

// The shapes, land masses, counts and rules the page offers, and its limits;
// the piece sets of the players' buttons (the 24 counts in the order of
// "counts"); the fixed islands, which take no counts, with the number of
// land tiles their dice cover.
EMSCRIPTEN_KEEPALIVE const char* vn_tables()
{
    std::string shapes, masses, counts, rules, pieceSets, islands;
    for (const auto& name : ShapeNames)
        shapes += (shapes.empty() ? "" : ",") + Quoted(name);
    for (const auto& name : LandMassNames)
        masses += (masses.empty() ? "" : ",") + Quoted(name);
    const TBoardSettings defaults;
    for (const auto& k : CountKeys)
        counts += (counts.empty() ? "" : ",") + std::string("{\"key\":") + Quoted(k.Key) +
                  ",\"default\":" + std::to_string(defaults.*(k.Field)) + "}";
    for (const auto& row : FairRuleRows)
        rules += (rules.empty() ? "" : ",") + std::string("{\"word\":") + Quoted(row.Word) +
                 ",\"caption\":" + Quoted(Tr(row.Caption)) + "}";
    for (const auto& set : PieceSets) {
        std::string numbers;
        for (const int n : set.Counts)
            numbers += (numbers.empty() ? "" : ",") + std::to_string(n);
        pieceSets += (pieceSets.empty() ? "" : ",") + std::string("{\"word\":") + Quoted(set.Word) +
                     ",\"caption\":" + Quoted(Tr(set.Caption)) + ",\"counts\":[" + numbers + "]}";
    }
    for (const auto& island : FixedIslands)
        islands += (islands.empty() ? "" : ",") + std::string("{\"name\":") + Quoted(island.Name) +
                   ",\"dice\":" + std::to_string(island.NumberedLand()) + "}";
    Result = "{\"shapes\":[" + shapes + "],\"masses\":[" + masses + "],\"counts\":[" + counts + "],\"rules\":[" +
             rules + "],\"pieceSets\":[" + pieceSets + "],\"fixedIslands\":[" + islands +
             "],\"maxCount\":" + std::to_string(MaxPieceCount) +
             ",\"maxPictureSide\":" + std::to_string(MaxPictureSide) + ",\"maxSeed\":" + std::to_string(MaxSeed) +
             ",\"generatorVersion\":" + std::to_string(BoardGeneratorVersion) + "}";
    return Result.c_str();
}

// Forgets the boards made so far: the next is "New ... 1" again, as in a
// fresh run of the tool.
EMSCRIPTEN_KEEPALIVE void vn_new_visit()
{
    Visit = std::make_unique<TPanelBoard>();
}

// Numbering goes on after the boards a page of this visit named before a
// reload, so that no two boards of a visit share a name.
EMSCRIPTEN_KEEPALIVE void vn_continue_numbering(int boardsNamed)
{
    Visit->ContinueNumberingAfter(boardsNamed);
}

// words: the arguments of `vornia-cli generate`, each ended by a zero byte.
// boardsNamed in the result: how many new boards the visit has named.
EMSCRIPTEN_KEEPALIVE const char* vn_generate(const char* words, int size)
{
    Keep(GenerateWebBoard(SplitWords(words, size), *Visit));
    Result.back() = ',';
    Result += "\"boardsNamed\":" + std::to_string(Visit->NewBoardsNamed()) + "}";
    return Result.c_str();
}

// The request of a link's fragment: the tool's words and black and white, or
// the error in the player's words.
EMSCRIPTEN_KEEPALIVE const char* vn_link(const char* fragment)
{
    const TWebLink link = ParseWebLink(fragment);
    std::string words;
    for (const auto& word : link.Words)
        words += (words.empty() ? "" : ",") + Quoted(word);
    Result = "{\"error\":" + Quoted(link.Error) + ",\"notice\":" + Quoted(link.Notice) + ",\"words\":[" + words +
             "],\"bw\":" + (link.BlackAndWhite ? "true" : "false") +
             ",\"hasSeed\":" + (link.HasSeed ? "true" : "false") + "}";
    return Result.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* vn_open(const char* name, const char* bytes, int size, const char* shape,
                                         const char* mass, const char* fair)
{
    Keep(OpenWebBoard(name, std::string_view(bytes, size > 0 ? static_cast<std::size_t>(size) : 0), shape, mass, fair));
    return Result.c_str();
}

// Draws the board file's bytes; the drawing's size in the result, or its
// error. localLabels (0 when left out): the labels in the language of
// vn_use_language.
EMSCRIPTEN_KEEPALIVE const char* vn_draw(const char* bytes, int size, int zoom, int blackAndWhite, int localLabels)
{
    std::string error;
    Drawing = DrawWebBoard(std::string_view(bytes, size > 0 ? static_cast<std::size_t>(size) : 0), zoom,
                           blackAndWhite != 0, error, localLabels != 0);
    if (!Drawing) {
        Result = "{\"error\":" + Quoted(error) + "}";
        return Result.c_str();
    }
    Result = "{\"width\":" + std::to_string(Drawing->Width()) + ",\"height\":" + std::to_string(Drawing->Height()) +
             ",\"opCount\":" + std::to_string(Drawing->Ops().size()) +
             ",\"textSize\":" + std::to_string(Drawing->Texts().size()) + "}";
    return Result.c_str();
}

// The language of the core's texts: "de", "fr", or "en" (or anything
// without a catalogue) for English; the language now in force.
EMSCRIPTEN_KEEPALIVE const char* vn_use_language(const char* language)
{
    Result = UseWebLanguage(language ? language : "");
    return Result.c_str();
}

// A board's name as the page shows it, in the language of vn_use_language:
// "[New cross 3]" is "[Neues Kreuz 3]" in German; the name itself stays the
// board's data.
EMSCRIPTEN_KEEPALIVE const char* vn_board_display_name(const char* name)
{
    Result = BoardDisplayName(name ? name : "");
    return Result.c_str();
}

// Why a picture of that many pixels is refused; empty when it is not.
EMSCRIPTEN_KEEPALIVE const char* vn_picture_error(int width, int height)
{
    Result.clear();
    CheckPictureSize({width, height}, &Result);
    return Result.c_str();
}

EMSCRIPTEN_KEEPALIVE const std::int32_t* vn_ops()
{
    return Drawing ? Drawing->Ops().data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE const char* vn_texts()
{
    return Drawing ? Drawing->Texts().data() : nullptr;
}

} // extern "C"
