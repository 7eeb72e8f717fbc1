// A board's picture as a QImage and as a PNG file.
#pragma once

#include <QImage>
#include <string>

#include "board_painter.h"
#include "board_picture.h"

namespace vornia {

// The board painted as the panel paints it on a canvas of width x height,
// for a screen of the given pixel ratio (see DeviceImage); a null image when
// there is not enough memory for it.
QImage RenderBoardImage(const TPlateList& plates, const TPaintOptions& options, int width, int height,
                        qreal ratio = 1);

// The board's picture at BoardPictureSize for options.Zoom; a null image, with
// the reason in error (when given), for a picture larger than MaxPictureSide
// on a side or one there is not enough memory for.
QImage BoardPictureImage(const TPlateList& plates, const TPaintOptions& options, std::string* error);

// Writes the board's picture (BoardPictureImage) as a PNG file,
// whole to a temporary file in the same folder that is then renamed over
// path. False, with the reason in error (when given; it does not name the
// file, the caller's message does), for a picture larger than MaxPictureSide
// on a side or a file that cannot be written; the old file, if any, is then
// left as it was.
bool SaveBoardPng(const TPlateList& plates, const TPaintOptions& options, const std::string& path,
                  std::string* error);

} // namespace vornia
