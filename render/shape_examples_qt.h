// The example pictures of the options dialog: one small board per shape,
// drawn at run time from a fixed seed and kept for the rest of the run.
#pragma once

#include <QImage>

namespace vornia {

constexpr int ShapeExampleWidth = 219;
constexpr int ShapeExampleHeight = 187;

// The picture of shape shapeIndex (the order of ShapeNames), 219 x 187 pixels
// as laid out, drawn for a screen of the given pixel ratio (see DeviceImage):
// an example board of that shape with the default piece counts, fills and
// outlines only, on white, toward the upper left. A null image for an index
// outside 0..12. Made on first use and kept, until asked for at another
// ratio; call it on the UI thread. It reseeds the process-wide generator and
// leaves it on the system clock.
QImage ShapeExampleImage(int shapeIndex, qreal ratio = 1);
// The same picture drawn afresh, without the cache (for tests).
QImage DrawShapeExample(int shapeIndex, qreal ratio = 1);

} // namespace vornia
