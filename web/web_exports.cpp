// The functions the page's worker calls in the WebAssembly module. Each call
// leaves its result in the session until the next call: a JSON text, the
// board file's bytes and the drawing's numbers and texts.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/translate.h"
#include "core_bridge.h"
#include "render/board_picture.h"
#include "web_json.h"
#include "web_link.h"
#include "web_settings.h"

namespace vornia {
namespace {

// What the module keeps between calls: the page's visit and the last answer.
struct TWebSession {
    std::unique_ptr<TPanelBoard> Visit = std::make_unique<TPanelBoard>();
    std::string Result;
    std::string BoardBytes;
    std::unique_ptr<TDisplayListCanvas> Drawing;

    const char* Answer(const TJson& json)
    {
        Result = JsonText(json);
        return Result.c_str();
    }
    const char* Keep(TWebBoard board)
    {
        BoardBytes = std::move(board.BoardFile);
        return Answer(BoardJson(board, Visit->NewBoardsNamed()));
    }
};

TWebSession& Session()
{
    static TWebSession session;
    return session;
}

std::string_view Bytes(const char* bytes, int size)
{
    return {bytes, size > 0 ? static_cast<std::size_t>(size) : 0};
}

// The words of the tool, each ended by a zero byte.
std::vector<std::string> SplitWords(std::string_view rest)
{
    std::vector<std::string> list;
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
    return Session().Result.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* vn_board_bytes()
{
    return Session().BoardBytes.data();
}
EMSCRIPTEN_KEEPALIVE int vn_board_size()
{
    return static_cast<int>(Session().BoardBytes.size());
}

// Everything the page offers that is data (see TablesJson).
EMSCRIPTEN_KEEPALIVE const char* vn_tables()
{
    return Session().Answer(TablesJson());
}

// Forgets the boards made so far: the next is "New ... 1" again, as in a
// fresh run of the tool.
EMSCRIPTEN_KEEPALIVE void vn_new_visit()
{
    Session().Visit = std::make_unique<TPanelBoard>();
}

// Numbering goes on after the boards a page of this visit named before a
// reload, so that no two boards of a visit share a name.
EMSCRIPTEN_KEEPALIVE void vn_continue_numbering(int boardsNamed)
{
    Session().Visit->ContinueNumberingAfter(boardsNamed);
}

// words: the arguments of `vornia-cli generate`, each ended by a zero byte.
// boardsNamed in the result: how many new boards the visit has named;
// settings: what the words stand for, for the page's controls.
EMSCRIPTEN_KEEPALIVE const char* vn_generate(const char* words, int size)
{
    TWebSession& session = Session();
    const std::vector<std::string> list = SplitWords(Bytes(words, size));
    TWebBoard board = GenerateWebBoard(list, *session.Visit);
    session.BoardBytes = std::move(board.BoardFile);
    TJson answer = BoardJson(board, session.Visit->NewBoardsNamed());
    answer["settings"] = SettingsJson(SettingsOfWords(list));
    return session.Answer(answer);
}

// The request of the page's settings (key=value pairs, see
// SettingsOfFragment) with the seed: {words, settings}, the settings as the
// core takes them.
EMSCRIPTEN_KEEPALIVE const char* vn_request(const char* settings, std::uint32_t seed)
{
    const TWebSettings taken = SettingsOfFragment(settings ? settings : "");
    return Session().Answer({{"words", RequestWords(taken, seed)}, {"settings", SettingsJson(taken)}});
}

// Settings kept by the page (key=value pairs), each value checked: the
// settings as the core takes them (JSON, see SettingsJson), the defaults for
// anything it does not.
EMSCRIPTEN_KEEPALIVE const char* vn_settings(const char* settings)
{
    return Session().Answer(SettingsJson(SettingsOfFragment(settings ? settings : "")));
}

// The counts dialog for the shape and the counts typed (24 texts, each ended
// by a zero byte): which counts can be edited, the totals, the dice question
// and the first count OK refuses.
EMSCRIPTEN_KEEPALIVE const char* vn_counts(const char* shape, const char* texts, int size)
{
    TCountTexts counts;
    const std::vector<std::string> typed = SplitWords(Bytes(texts, size));
    for (std::size_t i = 0; i < counts.size() && i < typed.size(); ++i)
        counts[i] = typed[i];
    return Session().Answer(CountsJson(shape ? shape : "", counts));
}

// The request of a link's fragment: the tool's words (with seed when the
// link has none) and how the board is drawn, or the error in the player's words.
EMSCRIPTEN_KEEPALIVE const char* vn_link(const char* fragment, std::uint32_t seed)
{
    TWebLink link = ParseWebLink(fragment ? fragment : "");
    if (link.Error.empty() && !link.HasSeed)
        link.Words.insert(link.Words.end(), {"--seed", std::to_string(seed)});
    return Session().Answer(LinkJson(link));
}

// A board file opened; settings (key=value pairs): the page's, whose shape,
// land mass and rules the status panels read.
EMSCRIPTEN_KEEPALIVE const char* vn_open(const char* name, const char* bytes, int size, const char* settings)
{
    const TWebSettings taken = SettingsOfFragment(settings ? settings : "");
    return Session().Keep(OpenWebBoard(name ? name : "", Bytes(bytes, size), taken.Board));
}

// Draws the board file's bytes as drawing (key=value pairs, see
// DrawingOfFragment) says; the drawing's size in the result, or its error.
// localLabels=1: the labels in the language of vn_use_language; corners=1:
// the corner pips, and in "analysis" the lines of their summary.
EMSCRIPTEN_KEEPALIVE const char* vn_draw(const char* bytes, int size, int zoom, const char* drawing)
{
    TWebSession& session = Session();
    TWebDrawn drawn = DrawWebBoard(Bytes(bytes, size), zoom, DrawingOfFragment(drawing ? drawing : ""));
    session.Drawing = std::move(drawn.List);
    if (!session.Drawing)
        return session.Answer({{"error", drawn.Error}});
    const TDisplayListCanvas& made = *session.Drawing;
    return session.Answer({{"width", made.Width()},
                           {"height", made.Height()},
                           {"opCount", made.Ops().size()},
                           {"textSize", made.Texts().size()},
                           {"analysis", drawn.Analysis}});
}

// The language of the core's texts: "de", "fr", or "en" (or anything
// without a catalogue) for English; the language now in force.
EMSCRIPTEN_KEEPALIVE const char* vn_use_language(const char* language)
{
    std::string& result = Session().Result;
    result = UseWebLanguage(language ? language : "");
    return result.c_str();
}

// A board's name as the page shows it, in the language of vn_use_language:
// "[New cross 3]" is "[Neues Kreuz 3]" in German; the name itself stays the
// board's data.
EMSCRIPTEN_KEEPALIVE const char* vn_board_display_name(const char* name)
{
    std::string& result = Session().Result;
    result = BoardDisplayName(name ? name : "");
    return result.c_str();
}

// Why a picture of that many pixels is refused; empty when it is not.
EMSCRIPTEN_KEEPALIVE const char* vn_picture_error(int width, int height)
{
    std::string& result = Session().Result;
    result.clear();
    CheckPictureSize({width, height}, &result);
    return result.c_str();
}

EMSCRIPTEN_KEEPALIVE const std::int32_t* vn_ops()
{
    return Session().Drawing ? Session().Drawing->Ops().data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE const char* vn_texts()
{
    return Session().Drawing ? Session().Drawing->Texts().data() : nullptr;
}

} // extern "C"
