// The window's language: the program's catalogue and Qt's own (the standard
// buttons' "Ja", "Abbrechen") loaded into the application, and the plain
// layers' texts looked up in them.
#pragma once

#include <string>

namespace vornia {

// The language a choice stands for: a catalogue's ("de") when chosen, and for ""
// the first of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as
// Qt reads them) that the program speaks; "en" otherwise.
std::string ResolveLanguage(const std::string& code);

// Loads the catalogues of the choice into the application, in place of any
// loaded before; English loads none. The application's widgets are told of
// the change. Returns the language now in force.
std::string UseLanguage(const std::string& code);

// "en" or a catalogue's language: the language the window shows now.
const std::string& LanguageInForce();

} // namespace vornia
