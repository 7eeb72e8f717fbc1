#include "translate.h"

#include <array>

#include "board_settings.h"
#include "plate.h"

namespace vornia {

namespace {

TTranslator Translator = nullptr;

// The names as the window shows them, in the order of ShapeNames and
// LandMassNames; the catalogues translate each under trc::Names.
constexpr std::array<std::string_view, ShapeNames.size()> MarkedShapeNames{{
    VORNIA_TR_NOOP("Names", "traditional"),
    VORNIA_TR_NOOP("Names", "random"),
    VORNIA_TR_NOOP("Names", "albatross"),
    VORNIA_TR_NOOP("Names", "coelecanth"),
    VORNIA_TR_NOOP("Names", "cross"),
    VORNIA_TR_NOOP("Names", "dog leg"),
    VORNIA_TR_NOOP("Names", "great lakes"),
    VORNIA_TR_NOOP("Names", "large traditional"),
    VORNIA_TR_NOOP("Names", "lesser great lakes"),
    VORNIA_TR_NOOP("Names", "long lake"),
    VORNIA_TR_NOOP("Names", "pine cone"),
    VORNIA_TR_NOOP("Names", "scorpion"),
    VORNIA_TR_NOOP("Names", "valley"),
    VORNIA_TR_NOOP("Names", "wolf"),
}};
static_assert(MarkedShapeNames == ShapeNames, "a shape was added: mark its name here");

// A new board's name, "New <shape> <number>", one template a shape, so that
// a language can make the word "new" agree with the shape.
constexpr std::array<std::string_view, ShapeNames.size()> NewBoardTemplates{{
    VORNIA_TR_NOOP("Names", "New traditional %1"),
    VORNIA_TR_NOOP("Names", "New random %1"),
    VORNIA_TR_NOOP("Names", "New albatross %1"),
    VORNIA_TR_NOOP("Names", "New coelecanth %1"),
    VORNIA_TR_NOOP("Names", "New cross %1"),
    VORNIA_TR_NOOP("Names", "New dog leg %1"),
    VORNIA_TR_NOOP("Names", "New great lakes %1"),
    VORNIA_TR_NOOP("Names", "New large traditional %1"),
    VORNIA_TR_NOOP("Names", "New lesser great lakes %1"),
    VORNIA_TR_NOOP("Names", "New long lake %1"),
    VORNIA_TR_NOOP("Names", "New pine cone %1"),
    VORNIA_TR_NOOP("Names", "New scorpion %1"),
    VORNIA_TR_NOOP("Names", "New valley %1"),
    VORNIA_TR_NOOP("Names", "New wolf %1"),
}};

constexpr std::array<std::string_view, LandMassNames.size()> MarkedLandMassNames{{
    VORNIA_TR_NOOP("Names", "any"),
    VORNIA_TR_NOOP("Names", "low"),
    VORNIA_TR_NOOP("Names", "medium"),
    VORNIA_TR_NOOP("Names", "high"),
}};
static_assert(MarkedLandMassNames == LandMassNames);

// The board's labels: the land kinds, the first five also the resources of
// 2:1 harbours. Each must fit its hex at 50 %, so the catalogues give short
// names where the word for it is long.
constexpr std::array<std::string_view, 6> MarkedLabels{{
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Brick"),
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Grain"),
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Lumber"),
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Ore"),
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Wool"),
    //: A land hex's label; at most about 28 pixels wide in a 7-point font (5 letters or so).
    VORNIA_TR_NOOP("Labels", "Desert"),
}};

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

void SetTranslator(TTranslator translator)
{
    Translator = translator;
}

bool HasTranslator()
{
    return Translator != nullptr;
}

std::string Tr(const char* context, std::string_view source)
{
    std::string text(source);
    if (!Translator || text.empty())
        return text;
    return Translator(context, text);
}

std::string FormatText(std::string_view templateText, std::initializer_list<std::string_view> args)
{
    std::string text;
    text.reserve(templateText.size());
    for (std::size_t i = 0; i < templateText.size(); ++i) {
        const char c = templateText[i];
        if (c == '%' && i + 1 < templateText.size() && templateText[i + 1] >= '1' && templateText[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(templateText[i + 1] - '1');
            if (n < args.size()) {
                text += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::string TrFormat(std::string_view templateText, std::initializer_list<std::string_view> args)
{
    return FormatText(Tr(templateText), args);
}

std::string ShapeDisplayName(std::string_view shape)
{
    const int index = ShapeIndex(shape);
    if (index < 0 || !Translator)
        return std::string(shape);
    const std::string source(MarkedShapeNames[static_cast<std::size_t>(index)]);
    const std::string shown = Tr(trc::Names, source);
    // Untranslated, the name keeps its own spelling ("Cross" stays "Cross").
    return shown == source ? std::string(shape) : shown;
}

std::string LandMassDisplayName(std::string_view mass)
{
    for (std::string_view name : MarkedLandMassNames) {
        if (SameText(name, mass) && Translator) {
            const std::string shown = Tr(trc::Names, name);
            return shown == name ? std::string(mass) : shown;
        }
    }
    return std::string(mass);
}

std::string LabelDisplayName(std::string_view label)
{
    if (!Translator)
        return std::string(label);
    for (std::string_view name : MarkedLabels) {
        if (SameText(name, label)) {
            const std::string shown = Tr(trc::Labels, name);
            return shown == name ? std::string(label) : shown;
        }
    }
    return std::string(label);
}

std::string BoardDisplayName(std::string_view name)
{
    // A board's name is bracketed: "[New cross 3]".
    constexpr std::string_view prefix = "[New ";
    const std::size_t space = name.rfind(' ');
    if (!Translator || name.substr(0, prefix.size()) != prefix || name.back() != ']' || space < prefix.size())
        return std::string(name);
    const std::string_view number = name.substr(space + 1, name.size() - space - 2);
    const int index = ShapeIndex(name.substr(prefix.size(), space - prefix.size()));
    if (index < 0 || !AllDigits(number))
        return std::string(name);
    const std::string_view source = NewBoardTemplates[static_cast<std::size_t>(index)];
    const std::string shown = Tr(trc::Names, source);
    if (shown == source)
        return std::string(name);
    return "[" + FormatText(shown, {number}) + "]";
}

} // namespace vornia
