// Small file utilities shared by the settings file and the board files.
// None throws: each reports failure by its result, after its message.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "board/translate.h"
#include "ini_file.h"
#include "message_sink.h"

namespace vornia {

bool CheckFileExists(const std::string& path);

// Appends "." + defaultExtension when the last path component has no ".",
// then creates that file empty, failing when it exists already. createdPath
// receives the path of the file actually created.
bool CreateEmptyFile(const std::string& path, const std::string& defaultExtension,
                     std::string* createdPath = nullptr);

// A file that cannot be read: %1 is its path or name.
inline constexpr std::string_view CouldNotOpenText = VORNIA_TR_NOOP("Window", "Could not open %1");

// folder empty: the current folder; extension empty: "ini". Creates the file
// empty when missing. Messages: "Could not create " + path, "Could not open " + path.
std::unique_ptr<TIniFile> OpenOrCreateIniFile(const std::string& fileName, const std::string& folder,
                                              const std::string& extension, TMessageSink& messages);
// Messages: "Could not find " + path, "Could not open " + path.
std::unique_ptr<TIniFile> OpenIniFile(const std::string& path, TMessageSink& messages);

// Reads a whole regular file; false for a folder, an unreadable file or one
// larger than maxBytes, with the reason in error. The reason does not name
// the file: the caller's message does.
bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error = nullptr,
                   std::size_t maxBytes = MaxIniFileBytes);
// Writes the contents to a temporary file in the same folder, flushes it and
// renames it over path: readers see the old file or the new one, never half.
bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error = nullptr);

// The absolute form of a path (the current folder prepended to a relative one).
std::string FullPath(const std::string& path);

} // namespace vornia
