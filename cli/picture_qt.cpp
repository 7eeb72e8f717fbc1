#include "picture_qt.h"

#include "render/board_pages_qt.h"
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
    options.Transparent = true;
    options.CornerPips = request.CornerPips;
    return options;
}

class TPdfBooklet final : public TBooklet {
public:
    bool Begin(const std::string& path, std::string& error) override { return Booklet.Begin(path, &error); }
    bool AddBoard(const std::string& heading, const TPictureRequest& board, std::string& error) override
    {
        return Booklet.AddBoard(heading, board.Plates, PictureOptions(board), &error);
    }
    bool Finish(std::string& error) override { return Booklet.Finish(&error); }

private:
    TBoardBooklet Booklet;
};

} // namespace

QImage DrawBoardPicture(const TPictureRequest& request, std::string& error)
{
    return BoardPictureImage(request.Plates, PictureOptions(request), &error);
}

bool WriteBoardPicture(const TPictureRequest& request, std::string& error)
{
    return SaveBoardPicture(request, error);
}

std::unique_ptr<TBooklet> MakePdfBooklet()
{
    return std::make_unique<TPdfBooklet>();
}

} // namespace vornia
