// Draws a board onto a canvas: every placed plate as a hexagon with its
// fill, kind name, number token, harbour texts and dots.
#pragma once

#include "board/plate_list.h"
#include "canvas.h"

namespace vornia {

struct TPaintOptions {
    int Zoom = 100;
    bool BlackAndWhite = false;
    TColor ButtonFace = 0xF0F0F0; // the background outside black and white
};

// Background over the whole canvas, then DrawPlate for every plate in list order.
void PaintBoard(TCanvas& canvas, const TPlateList& plates, const TPaintOptions& options);
// Draws plate index; nothing when the index is outside the list or the plate is not placed.
void DrawPlate(TCanvas& canvas, const TPlateList& plates, int index, const TPaintOptions& options);

struct TDotPositions {
    int x1, y1, x2, y2;
};
// Top-left corners of the two harbour dots for the plate's Border.
TDotPositions HarbourDots(const TResourcePlate& plate, int zoom);

} // namespace vornia
