#include "picture_qt.h"

#include "render/board_picture_qt.h"
#include "render/button_face_qt.h"
#include "render/picture_files_qt.h"

namespace vornia {

namespace {

TPaintOptions PictureOptions(const TPictureRequest& request)
{
    TPaintOptions options;
    options.Zoom = request.Zoom;
    options.BlackAndWhite = request.BlackAndWhite;
    options.ButtonFace = ButtonFaceColor();
    return options;
}

} // namespace

QImage DrawBoardPicture(const TPictureRequest& request, std::string& error)
{
    return BoardPictureImage(request.Plates, PictureOptions(request), &error);
}

bool WriteBoardPicture(const TPictureRequest& request, std::string& error)
{
    return SaveBoardPicture(request, error);
}

} // namespace vornia
