// The platform's button-face grey: the panel's background outside black and white.
#pragma once

#include "board/plate.h"

namespace vornia {

constexpr TColor FallbackButtonFace = 0xF0F0F0;

// The Button colour of the application's palette while a QGuiApplication
// exists; without one (a plain QCoreApplication or none at all) the fixed
// grey 0xF0F0F0, the usual dialog grey.
TColor ButtonFaceColor();

} // namespace vornia
