// The pictures of vornia-cli, drawn with the board painter.
#pragma once

#include <QImage>
#include <memory>

#include "cli_run.h"

namespace vornia {

// The picture the tool writes for the request, before PNG encoding; a null
// image with the reason in error when it is refused.
QImage DrawBoardPicture(const TPictureRequest& request, std::string& error);

// Writes the request's picture file in its format (SaveBoardPicture).
bool WriteBoardPicture(const TPictureRequest& request, std::string& error);

// The PDF booklet of a batch (TBoardBooklet), each page drawn as the
// pictures are.
std::unique_ptr<TBooklet> MakePdfBooklet();

} // namespace vornia
