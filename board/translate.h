// Texts the player reads, in the player's language. The plain layers write
// them in English and mark each with VORNIA_TR_NOOP, which the catalogue tool
// reads; the window installs a translator at start-up. Without one (the
// command-line tool, the plain tests) every text stays English, byte for
// byte. Data never passes through here: files and board names stay English,
// and so do the labels in the picture unless the player asks for them in
// their language.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a literal for the catalogues under a context; the literal itself is
// what the program uses.
#define VORNIA_TR_NOOP(context, text) text

namespace vornia {

// The contexts the plain layers file their texts under.
namespace trc {
inline constexpr const char* Window = "Window"; // messages, captions, status bar
inline constexpr const char* Menu = "Menu";     // menu captions
inline constexpr const char* Names = "Names";   // shapes, land masses, new boards
inline constexpr const char* About = "About";   // the About dialog's notes and history
inline constexpr const char* Labels = "Labels"; // the board's labels, drawn in the hexes
} // namespace trc

// Looks a source text up in the catalogues of the language in force; returns
// the source text when there is no translation.
using TTranslator = std::string (*)(const char* context, const std::string& source);
void SetTranslator(TTranslator translator);
bool HasTranslator();

std::string Tr(const char* context, std::string_view source);
// A window text: Tr(trc::Window, source).
inline std::string Tr(std::string_view source)
{
    return Tr(trc::Window, source);
}

// A template with its arguments: "%1" to "%9" take the arguments in order, so
// that a translation may put them where its language wants them.
std::string FormatText(std::string_view templateText, std::initializer_list<std::string_view> args);
// The template translated, then filled.
std::string TrFormat(std::string_view templateText, std::initializer_list<std::string_view> args);

// A shape or land mass as the window shows it: the translation of the known
// name it matches, letter case ignored; any other text as it is.
std::string ShapeDisplayName(std::string_view shape);
std::string LandMassDisplayName(std::string_view mass);
// A board label in the player's language, for "Labels In My Language": a
// land kind or a harbour's resource ("Grain" is "Korn" in German), letter
// case ignored; any other text ("    ?" of a 3:1 harbour) as it is.
std::string LabelDisplayName(std::string_view label);
// A board's name as the window shows it: "[New cross 3]" is "[Neues Kreuz 3]"
// in German; a saved board's path stays as it is.
std::string BoardDisplayName(std::string_view name);

} // namespace vornia
