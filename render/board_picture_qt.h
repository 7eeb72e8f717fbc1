// A board's picture as a QImage and as a PNG file.
#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "board_painter.h"
#include "board_picture.h"

namespace vornia {

// The board painted as the panel paints it on a canvas of width x height,
// for a screen of the given pixel ratio (see DeviceImage); a null image when
// there is not enough memory for it.
QImage RenderBoardImage(const TPlateList& plates, const TPaintOptions& options, int width, int height, qreal ratio = 1);

// The part area of the picture RenderBoardImage would give at width x
// height, drawn with only the plates that can reach it, as the image's
// offset says: the image may take in more than area around it, and within
// area its pixels are those of the whole picture. A null image when there
// is not enough memory for it.
QImage RenderBoardArea(const TPlateList& plates, const TPaintOptions& options, int width, int height, const QRect& area,
                       qreal ratio = 1);

// The board's picture at BoardPictureSize for options.Zoom; a null image, with
// the reason in error (when given), for a picture larger than MaxPictureSide
// on a side or one there is not enough memory for.
QImage BoardPictureImage(const TPlateList& plates, const TPaintOptions& options, std::string* error);

// Receives rows [first, first + count) of a picture drawn band by band; band
// holds them from its line bandLine on. A transparent picture's band is
// ARGB32 and its pixels outside the board, which the picture leaves
// transparent, still have their colour with an alpha below 255. False stops
// the drawing.
using TBandSink = std::function<bool(const QImage& band, int bandLine, int first, int count)>;
constexpr int PictureBandRows = 512;

// Draws the picture of width x height that RenderBoardImage would give, a
// band of bandRows rows at a time, so that the whole picture is never held in
// full colour. Each band is drawn with enough rows above and below it for
// every plate that reaches it to be drawn whole, so its pixels are those of
// the whole picture. False when the sink stopped the drawing or there is not
// enough memory for a band.
bool RenderBoardBands(const TPlateList& plates, const TPaintOptions& options, int width, int height, int bandRows,
                      const TBandSink& sink);

// The picture of RenderBoardImage as an image of at most 256 colours, drawn
// band by band; a null image when it has more colours or there is not
// enough memory for it.
QImage RenderBoardPaletteImage(const TPlateList& plates, const TPaintOptions& options, int width, int height,
                               int bandRows = PictureBandRows);

// Writes the board's picture (BoardPictureImage) as a PNG file,
// whole to a temporary file in the same folder that is then renamed over
// path. False, with the reason in error (when given; it does not name the
// file, the caller's message does), for a picture larger than MaxPictureSide
// on a side or a file that cannot be written; the old file, if any, is then
// left as it was. The file holds a palette when the picture has no more than
// 256 colours, as board pictures do.
bool SaveBoardPng(const TPlateList& plates, const TPaintOptions& options, const std::string& path,
                  std::string* error);

} // namespace vornia
