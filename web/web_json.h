// The bridge's answers to the page as JSON objects, built with nlohmann/json
// (ordered, so keys keep the order written here). Texts that are not UTF-8
// (a board file's bytes, a file name) come out with U+FFFD in their place:
// nothing here throws.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core_bridge.h"
#include "web_link.h"

namespace vornia {

using TJson = nlohmann::ordered_json;

// The JSON text of an object; bytes that are not UTF-8 are replaced.
std::string JsonText(const TJson& json);

// A board made or opened; boardsNamed: how many new boards the visit has named.
TJson BoardJson(const TWebBoard& board, int boardsNamed);
// The request of a link, or its error in the player's words.
TJson LinkJson(const TWebLink& link);
// Everything the page offers that is data: shapes, land masses, counts with
// their defaults, fair rules, piece sets, fixed islands, the limits and the
// generator's version.
TJson TablesJson();

} // namespace vornia
