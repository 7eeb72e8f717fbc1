#include "open_board.h"

#include <utility>

#include "board/board_owner.h"

namespace vornia {

void OpenBoard(TPanelBoard& panel, TBoardFileContent content, const std::string& path, const TFollowZoom& followZoom)
{
    TBoardOwner& owner = panel.OwnerForm();
    panel.NewPlateList();
    owner.ResetStatusBar(rsWaiting);
    if (followZoom)
        followZoom(content.Zoom);
    panel.AdoptPlateList(std::move(content.Plates));

    panel.SetBoardName(path);
    owner.SetBoardCaption(panel.BoardName);
    panel.RegisterBoard(panel.BoardName);
    owner.AddBoardMenuItem(panel.BoardName);
    panel.Attempts = 0;
    panel.ShowStats();
    owner.PaintBoard();
}

} // namespace vornia
