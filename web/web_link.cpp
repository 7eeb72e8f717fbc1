#include "web_link.h"

#include <array>
#include <optional>
#include <utility>

#include "board/board_settings.h"
#include "board/generator_version.h"
#include "board/translate.h"
#include "cli/cli_args.h"

namespace vornia {

namespace {

// A link word, and what the player reads when its value is not one the tool takes.
struct TLinkWord {
    std::string_view Word;
    const char* BadValue; // %1 the value, %2 the highest count, %3 the highest seed
};

// In the order the page writes them.
constexpr std::array LinkWords{
    TLinkWord{"v", VORNIA_TR_NOOP("Link", "This link's version, \"%1\", is not a whole number from 1 up.")},
    TLinkWord{"shape", VORNIA_TR_NOOP("Link", "This link names an unknown shape, \"%1\".")},
    TLinkWord{"mass", VORNIA_TR_NOOP("Link", "This link names an unknown land mass, \"%1\".")},
    TLinkWord{"pieces", VORNIA_TR_NOOP("Link", "This link names an unknown piece set, \"%1\".")},
    TLinkWord{"counts", VORNIA_TR_NOOP("Link", "This link's piece counts, \"%1\", are not piece names each with a "
                                               "whole number from 0 to %2.")},
    TLinkWord{"fair", VORNIA_TR_NOOP("Link", "This link names unknown fair rules, \"%1\".")},
    TLinkWord{"zoom", VORNIA_TR_NOOP("Link", "This link's zoom, \"%1\", is not 100, 75 or 50.")},
    TLinkWord{"bw", VORNIA_TR_NOOP("Link", "This link's black and white, \"%1\", is not 0 or 1.")},
    TLinkWord{"corners", VORNIA_TR_NOOP("Link", "This link's corner pips, \"%1\", is not 0 or 1.")},
    TLinkWord{"seed", VORNIA_TR_NOOP("Link", "This link's board number, \"%1\", is not a number from 0 to %3.")},
};

// A message of the link's, in the player's language, filled.
std::string LinkText(std::string_view templateText, std::initializer_list<std::string_view> args)
{
    return FormatText(Tr("Link", templateText), args);
}

// A value as the message shows it: control characters as '?', long ones cut.
std::string Printable(std::string_view text)
{
    constexpr std::size_t Longest = 80;
    std::string out;
    for (const char c : text.substr(0, Longest)) {
        const auto code = static_cast<unsigned char>(c);
        out += code < 0x20 || code == 0x7F ? '?' : c;
    }
    // Cut at a whole character.
    if (text.size() > Longest) {
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
            out.pop_back();
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0)
            out.pop_back();
        out += "\u2026";
    }
    return out;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (more < 0 || i + static_cast<std::size_t>(more) >= text.size())
            return false;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// %XX escapes decoded, as the browser's decodeURIComponent does; nothing for
// a broken escape or bytes that are not UTF-8.
std::optional<std::string> Decoded(std::string_view text)
{
    auto hex = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || hex(text[i + 1]) < 0 || hex(text[i + 2]) < 0)
            return std::nullopt;
        out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
        i += 2;
    }
    if (!IsUtf8(out))
        return std::nullopt;
    return out;
}

const TLinkWord* FindWord(std::string_view word)
{
    for (const auto& known : LinkWords)
        if (known.Word == word)
            return &known;
    return nullptr;
}

const TDrawingWord* FindDrawingWord(std::string_view word)
{
    for (const auto& known : DrawingWords)
        if (known.Word == word)
            return &known;
    return nullptr;
}

// True when the tool takes the value for its option.
bool ToolTakes(std::string_view word, const std::string& value)
{
    return ParseCliArgs({"vornia-cli", "generate", "--" + std::string(word), value}).Ok;
}

// A fragment's '&'-separated parts, each split at its first '=' and decoded.
struct TFragmentPart {
    std::string_view Raw;
    std::optional<std::string> Key, Value; // nothing where the part is damaged or not UTF-8
    bool HasValue = false;                 // the part has an '='
};

std::vector<TFragmentPart> FragmentParts(std::string_view fragment)
{
    std::vector<TFragmentPart> parts;
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('&');
        const std::string_view raw = fragment.substr(0, end);
        fragment.remove_prefix(end == std::string_view::npos ? fragment.size() : end + 1);
        const std::size_t equals = raw.find('=');
        const bool hasValue = equals != std::string_view::npos;
        parts.push_back(
            {raw, Decoded(raw.substr(0, equals)), Decoded(hasValue ? raw.substr(equals + 1) : ""), hasValue});
    }
    return parts;
}

TWebLink Refused(std::string text)
{
    TWebLink link;
    link.Error = std::move(text);
    return link;
}

} // namespace

std::vector<std::pair<std::string, std::string>> FragmentPairs(std::string_view fragment)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const TFragmentPart& part : FragmentParts(fragment))
        if (part.Key && part.Value && !part.Key->empty())
            pairs.emplace_back(*part.Key, *part.Value);
    return pairs;
}

TWebLink ParseWebLink(std::string_view fragment)
{
    if (!fragment.empty() && fragment.front() == '#')
        fragment.remove_prefix(1);
    std::array<std::optional<std::string>, LinkWords.size()> given;
    for (const TFragmentPart& part : FragmentParts(fragment)) {
        if (part.Raw.empty())
            continue;
        const std::optional<std::string>& word = part.Key;
        const std::optional<std::string>& value = part.Value;
        if (!word || !value)
            return Refused(LinkText(VORNIA_TR_NOOP("Link", "This link is damaged at \"%1\"."), {Printable(part.Raw)}));
        const TLinkWord* known = FindWord(*word);
        if (!known)
            return Refused(LinkText(VORNIA_TR_NOOP("Link", "This link holds a word this page does not know, \"%1\"."),
                                    {Printable(*word)}));
        auto& slot = given[static_cast<std::size_t>(known - LinkWords.data())];
        if (slot)
            return Refused(LinkText(VORNIA_TR_NOOP("Link", "This link gives \"%1\" twice."), {*word}));
        if (!part.HasValue || value->empty())
            return Refused(LinkText(VORNIA_TR_NOOP("Link", "This link gives no value for \"%1\"."), {*word}));
        int version = 0;
        const bool good = FindDrawingWord(known->Word) ? *value == "0" || *value == "1"
                          : known->Word == "v"         ? ParseInteger(*value, version) && version >= 1
                                                       : ToolTakes(known->Word, *value);
        if (!good)
            return Refused(
                LinkText(known->BadValue, {Printable(*value), std::to_string(MaxPieceCount), std::to_string(MaxSeed)}));
        slot = *value;
    }
    TWebLink link;
    for (std::size_t i = 0; i < LinkWords.size(); ++i) {
        if (!given[i])
            continue;
        if (const TDrawingWord* drawing = FindDrawingWord(LinkWords[i].Word))
            link.Drawing.*(drawing->Field) = *given[i] == "1";
        else if (LinkWords[i].Word == "v")
            ParseInteger(*given[i], link.Version);
        else
            link.Words.insert(link.Words.end(), {"--" + std::string(LinkWords[i].Word), *given[i]});
    }
    link.HasSeed = given.back().has_value();
    if (link.Version != BoardGeneratorVersion)
        link.Notice = Tr(
            "Link",
            VORNIA_TR_NOOP("Link", "This link was made by another version; the board may differ from the one shared."));
    return link;
}

} // namespace vornia
