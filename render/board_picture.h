// The size of a board's picture as the panel shows it.
#pragma once

#include <string>

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

} // namespace vornia
