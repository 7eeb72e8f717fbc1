// The catalogues as tables, for a face without Qt's translator (the web
// core): made at build time from translations/*.ts, looked up by context and
// source text, and installed as the plain layers' translator.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "translate.h"

namespace vornia {

struct TCatalogueEntry {
    std::string_view Context;
    std::string_view Source;
    std::string_view Translation;
};

// One language's finished translations, sorted by context, then source.
struct TCatalogue {
    std::string_view Language; // "de", as the catalogue's file name says
    std::span<const TCatalogueEntry> Entries;
};

// English, named in itself. A catalogue names its language by its
// translation of this text (generated/catalogue_languages.h), which the
// Language menus list; the text itself is never shown translated.
//: Not "English" in your language: the name of your language in itself, as the Language menu lists it
inline constexpr std::string_view EnglishLanguageName = VORNIA_TR_NOOP("Language", "English");

// The catalogues of translations/ as tables, sorted by language; defined in
// the source that scripts/catalogue_tables.py makes (library
// vornia_catalogues), which holds the contexts the core shows.
std::span<const TCatalogue> BuiltInCatalogues();

// The catalogue of a language; nullptr when there is none (English).
const TCatalogue* FindCatalogue(std::span<const TCatalogue> catalogues, std::string_view language);

// The translation of source under context; nullptr when the catalogue has none.
const TCatalogueEntry* FindTranslation(const TCatalogue& catalogue, std::string_view context, std::string_view source);

// Makes the catalogue of language the plain layers' translator (Tr and the
// names of translate.h). A language without a catalogue, English among them,
// takes the translator away, so that every text is English at no cost.
// Returns the language now in force: the one asked for, or "en".
std::string UseCatalogue(std::span<const TCatalogue> catalogues, std::string_view language);

} // namespace vornia
