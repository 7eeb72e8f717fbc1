// Sends a picture to the system's default printer: one page, no dialog.
#pragma once

#include <QImage>
#include <string>

namespace vornia {

// Prints image as exactly one page on the default printer (through CUPS),
// with an empty document name, stretched into (0, 0, printWidth, printHeight)
// of the page's printable area as FitToPage gives it. False, with the reason
// in error (when given), when there is no picture, no default printer, or the
// printer refuses the job; a job once begun is always ended.
bool PrintImageToDefaultPrinter(const QImage& image, std::string* error);

} // namespace vornia
