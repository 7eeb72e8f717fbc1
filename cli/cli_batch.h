// `vornia-cli generate --count N --out-dir DIR`: a batch of boards, each in a
// file of its own, and a table of them.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "board/board_settings.h"
#include "cli_args.h"
#include "cli_run.h"

namespace vornia {

constexpr std::uint32_t SeedsPerDay = 86400000; // the milliseconds of a day

// "board-0001.mirl" for board 1.
std::string BatchBoardFileName(int board);
// The seed of board i (from 1) of a batch started at seed first.
std::uint32_t BatchSeed(std::uint32_t first, int board);
// The table's header line, without the line end.
std::string BatchTableHeader();

// Makes the batch with the settings at the zoom, and the booklet of
// args.PdfFile with makeBooklet; the exit status. progress: a progress line
// on err, rewritten after each board.
int GenerateBatch(const TCliArgs& args, const TBoardSettings& settings, int zoom, std::ostream& out, std::ostream& err,
                  bool progress, const TBookletMaker& makeBooklet);

} // namespace vornia
