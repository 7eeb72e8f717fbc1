// The size of a board's picture as the panel shows it, and the kinds of
// picture file a board can be written to.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board/plate_list.h"

namespace vornia {

struct TPictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TPictureSize&, const TPictureSize&) = default;
};

constexpr int PictureMargin = 10;
constexpr int MaxPictureSide = 16384;

// The smallest picture, with its origin at the panel's, that holds every
// placed plate (right edge X + 2A, bottom Y + B + C) plus a margin of 10
// pixels right and below; 10 x 10 when nothing is placed. A side too large
// for an int is given as the largest int.
TPictureSize BoardPictureSize(const TPlateList& plates, int zoom);
// False, with the reason in error (when given), when a side is larger than
// MaxPictureSide: such a board is refused rather than drawn.
bool CheckPictureSize(const TPictureSize& size, std::string* error);

// PNG is the picture as pixels; SVG and PDF draw the same board as shapes
// and text, of any size.
enum class TPictureFormat { Png, Svg, Pdf };

// The format a file name's extension (.png, .svg, .pdf, in any case) names;
// nothing for any other name.
std::optional<TPictureFormat> PictureFormatOf(std::string_view path);

// One picture of a board to be written: the plates at a zoom, in colour or
// black and white, as a file of the format at path, with or without the
// corner pips over it.
struct TPictureRequest {
    const TPlateList& Plates;
    int Zoom;
    bool BlackAndWhite;
    std::string Path;
    TPictureFormat Format = TPictureFormat::Png;
    bool LocalLabels = false; // the labels in the player's language (TPaintOptions)
    bool CornerPips = false;  // the corner pips over the board (TPaintOptions)
};

} // namespace vornia
