// The PNG pictures of vornia-cli, drawn with the board painter into an image.
#pragma once

#include "cli_run.h"

namespace vornia {

bool WriteBoardPicture(const TPictureRequest& request, std::string& error);

} // namespace vornia
