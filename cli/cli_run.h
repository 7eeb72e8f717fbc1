// What vornia-cli does with parsed arguments. The drawing of pictures is
// handed in, so that this part needs no toolkit.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "board/plate_list.h"
#include "cli_args.h"

namespace vornia {

constexpr int ExitOk = 0;
constexpr int ExitFileError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitNoBoard = 3;

struct TPictureRequest {
    const TPlateList& Plates;
    int Zoom;
    bool BlackAndWhite;
    std::string Path;
};
// Draws the board into a PNG file; false with a reason when it cannot.
using TPictureWriter = std::function<bool(const TPictureRequest&, std::string& error)>;

// progress: a batch shows its progress on err (when err is a terminal).
int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
           bool progress = false);

} // namespace vornia
