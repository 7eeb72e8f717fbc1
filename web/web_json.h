// The bridge's answers to the page as JSON objects, built with nlohmann/json
// (ordered, so keys keep the order written here). Texts that are not UTF-8
// (a board file's bytes, a file name) come out with U+FFFD in their place:
// nothing here throws.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core_bridge.h"
#include "web_link.h"
#include "web_settings.h"

namespace vornia {

using TJson = nlohmann::ordered_json;

// The JSON text of an object; bytes that are not UTF-8 are replaced.
std::string JsonText(const TJson& json);

// A board made or opened; boardsNamed: how many new boards the visit has named.
TJson BoardJson(const TWebBoard& board, int boardsNamed);
// The request of a link with how it is drawn, or its error in the player's words.
TJson LinkJson(const TWebLink& link);
// Everything the page offers that is data, in the language in force: the
// settings' controls (shapes, land masses, zooms, black and white, the fair
// rules) and their defaults, the counts with their captions, groups and
// defaults, the piece sets, the largest seed, the limits, the generator's
// version and the messages the page shows of the core's. The page builds its
// controls from it.
TJson TablesJson();

// The page's settings: {shape, mass, zoom, bw, localLabels, fair: [words],
// counts: {key: n}}.
TJson SettingsJson(const TWebSettings& settings);
// The counts dialog for a shape and the 24 counts as typed: per group of
// CountGroups whether its counts can be edited and its total, the dice
// question and the first count OK refuses (-1 for none).
TJson CountsJson(std::string_view shape, const TCountTexts& counts);

} // namespace vornia
