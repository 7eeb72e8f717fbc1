// A board's whole picture as a file: PNG (pixels), SVG or PDF (shapes and
// text), each written whole or not at all.
#pragma once

#include <string>

#include "board_painter.h"
#include "board_picture.h"

namespace vornia {

// The picture SaveBoardPng writes, as an SVG file: BoardPictureSize at
// options.Zoom in pixels, of any size, the hexagons as paths and the texts
// as text. False, with the reason in error (when given), when the file
// cannot be written; the old file, if any, is then left as it was.
bool SaveBoardSvg(const TPlateList& plates, const TPaintOptions& options, const std::string& path, std::string* error);

// The same picture as a PDF file of one page, 96 pixels to the inch, scaled
// down only where a side would pass the longest page a PDF may have
// (PdfPointsPerPixel); written like the SVG.
bool SaveBoardPdf(const TPlateList& plates, const TPaintOptions& options, const std::string& path, std::string* error);

// The request's picture in its format, on the platform's button face; false
// with the reason in error.
bool SaveBoardPicture(const TPictureRequest& request, std::string& error);

} // namespace vornia
