// What vornia-cli does with parsed arguments. The drawing of pictures is
// handed in, so that this part needs no toolkit.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "board/board_settings.h"
#include "board/plate_list.h"
#include "cli_args.h"
#include "render/board_picture.h"

namespace vornia {

constexpr int ExitOk = 0;
constexpr int ExitFileError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitNoBoard = 3;

// Draws the board into a picture file; false with a reason when it cannot.
using TPictureWriter = std::function<bool(const TPictureRequest&, std::string& error)>;

// The PDF booklet of a batch, handed in as the pictures are: a page for each
// board, the file written when it is finished. Each call is false, with the
// reason in error, when the file cannot be written.
class TBooklet {
public:
    virtual ~TBooklet() = default;
    virtual bool Begin(const std::string& path, std::string& error) = 0;
    // board.Path is not used: the page goes into the booklet.
    virtual bool AddBoard(const std::string& heading, const TPictureRequest& board, std::string& error) = 0;
    virtual bool Finish(std::string& error) = 0;
};
using TBookletMaker = std::function<std::unique_ptr<TBooklet>()>;

// The board options of generate (--shape, --mass, the counts, --zoom, --fair)
// laid over the settings and zoom given.
void ApplyBoardOptions(const TCliArgs& args, TBoardSettings& settings, int& zoom);

// progress: a batch shows its progress on err (when err is a terminal).
int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err, const TPictureWriter& writePicture,
           bool progress = false, const TBookletMaker& makeBooklet = {});

} // namespace vornia
