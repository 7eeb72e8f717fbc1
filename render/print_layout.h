// What Print does before anything reaches a printer, and how the window's
// picture is fitted to the page.
#pragma once

#include "board/translate.h"

#include <cstdint>
#include <string_view>

namespace vornia {

inline constexpr std::string_view NoBoardToPrintText = VORNIA_TR_NOOP("Window", "There is no board to print.");
inline constexpr std::string_view PrintInColorQuestion =
    VORNIA_TR_NOOP("Window", "Are you sure you want to print this in color?");

enum class TPrintStep {
    NoBoard,       // show NoBoardToPrintText (information, OK) and stop
    ConfirmColor,  // ask PrintInColorQuestion (Yes/No); print only on Yes
    Print,         // print at once
};

struct TPrintDecision {
    TPrintStep Step;
    std::string_view Message; // the text to show or ask; empty for Print
};

// mnuPrintClick's first two steps: no placed plate means nothing to print;
// colour printing must be confirmed, black and white needs no question.
TPrintDecision DecidePrint(int placedPlateCount, bool blackAndWhite);

// a * b / c with a 64-bit intermediate, rounded to the nearest integer
// (halves away from zero); 0 when c is 0.
std::int64_t MulDiv(int a, int b, int c);

struct TPrintRect {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TPrintRect&, const TPrintRect&) = default;
};

// The rectangle, from the page's top-left corner, that a w x h picture is
// stretched into on a pw x ph page: the full page height when the picture
// scaled to it is narrower than the page, otherwise the full page width;
// the aspect ratio is kept. An empty picture or page gives an empty rectangle.
TPrintRect FitToPage(int w, int h, int pw, int ph);

// Where a whole board's picture goes in an area of a page: as large as
// fits, the aspect ratio kept, centred. Scale is area units per picture
// pixel; (X, Y) is the picture's top-left corner in the area. An empty
// picture or area gives scale 0.
struct TPagePlacement {
    double X = 0;
    double Y = 0;
    double Scale = 0;
};
TPagePlacement FitCentred(int w, int h, double areaWidth, double areaHeight);

// True when a page for a w x h picture is best turned sideways.
inline bool WiderThanHigh(int w, int h)
{
    return w > h;
}

// A PDF page may be at most 14,400 points (200 inches) on a side, and at
// least 3.
constexpr double PdfMaxPagePoints = 14400;
constexpr double PdfMinPagePoints = 3;
// Points per picture pixel on a PDF page that holds a whole w x h picture:
// 0.75 (96 pixels to the inch), or less where that would make a side longer
// than PdfMaxPagePoints.
double PdfPointsPerPixel(int w, int h);

} // namespace vornia
