// Draws a board onto a canvas: every placed plate as a hexagon with its
// fill, kind name, number token, harbour texts and dots.
#pragma once

#include <memory>
#include <optional>

#include "board/board_analysis.h"
#include "board/geometry.h"
#include "board/plate_list.h"
#include "canvas.h"

namespace vornia {

struct TPaintOptions {
    int Zoom = 100;
    bool BlackAndWhite = false;
    TColor ButtonFace = 0xF0F0F0; // the background outside black and white
    // Nothing outside the hexes, for pictures and pages rather than the
    // window: a surface without pixels gets no background at all, and a
    // surface of pixels, which needs an opaque one to flood on, leaves every
    // pixel that no hex covers transparent (TQImageCanvas's clearOutside).
    bool Transparent = false;
    // Outline and fill only: no kind names, harbour texts, tokens or dots
    // (the example pictures of the options dialog).
    bool ShapesOnly = false;
    // The labels (land kinds, harbour resources) in the player's language
    // (LabelDisplayName) rather than as the board holds them, for "Labels In
    // My Language"; off, every picture is drawn as it always was.
    bool LocalLabels = false;
    // Hex sizes other than the zoom's column (the small hexes of the example
    // pictures); the zoom still chooses the pen width and the fonts.
    std::optional<THexMetrics> Metrics;
    // The corner pips over the board (DrawCornerPips); off unless asked for.
    bool CornerPips = false;
    // The analysis the corner pips show, its positions moved by
    // AnalysisOffset; when there is none, DrawCornerPips makes it from the
    // plates it draws. A picture drawn in bands hands each band the whole
    // board's analysis, moved as the band's plates are.
    std::shared_ptr<const TBoardAnalysis> Analysis;
    TPoint AnalysisOffset{0, 0};
};

// Background over the whole canvas (none for a Transparent picture on a
// surface that cannot flood), then DrawPlate for every plate in list order,
// then, with CornerPips, DrawCornerPips.
void PaintBoard(TCanvas& canvas, const TPlateList& plates, const TPaintOptions& options);
// Draws plate index; nothing when the index is outside the list or the plate is not placed.
void DrawPlate(TCanvas& canvas, const TPlateList& plates, int index, const TPaintOptions& options);

// Over the drawn board: every corner with a pip shows its pips in a disc that
// runs from cool blue (few) to hot red (many), in black and white a white
// disc whose outline is heavier from HotCornerPips on; the best starting
// corners are ringed, with their rank on a black tag beside the ring, on the
// side where no hex side leaves the corner. Sizes follow the zoom.
void DrawCornerPips(TCanvas& canvas, const TPlateList& plates, const TPaintOptions& options);
inline constexpr int HotCornerPips = 10;

struct TDotPositions {
    int x1, y1, x2, y2;
};
// Top-left corners of the two harbour dots for the plate's Border. A harbour
// whose Border is btNone (only a board file can give one) faces no side and
// gets no dots; for it both corners are the plate's position.
TDotPositions HarbourDots(const TResourcePlate& plate, int zoom);
// True when Border names one of the six sides.
bool HasHarbourDots(const TResourcePlate& plate);

} // namespace vornia
