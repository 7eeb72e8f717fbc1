#include "picture_qt.h"

#include "render/board_picture_qt.h"
#include "render/button_face_qt.h"

namespace vornia {

bool WriteBoardPicture(const TPictureRequest& request, std::string& error)
{
    TPaintOptions options;
    options.Zoom = request.Zoom;
    options.BlackAndWhite = request.BlackAndWhite;
    options.ButtonFace = ButtonFaceColor();
    return SaveBoardPng(request.Plates, options, request.Path, &error);
}

} // namespace vornia
