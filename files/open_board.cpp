#include "open_board.h"

#include <utility>

#include "board/board_owner.h"

namespace vornia {

void OpenBoard(TPanelBoard& panel, TBoardFileContent content, const std::string& path, const TFollowZoom& followZoom)
{
    TBoardOwner& owner = panel.OwnerForm();
    panel.Registry().NewPlateList();
    owner.ResetStatusBar(rsWaiting);
    if (followZoom)
        followZoom(content.Zoom);
    panel.Registry().AdoptPlateList(std::move(content.Plates));

    panel.Registry().SetBoardName(path);
    owner.SetBoardCaption(panel.BoardName());
    panel.Registry().RegisterBoard(panel.BoardName());
    owner.AddBoardMenuItem(panel.BoardName());
    panel.ResetAttempts();
    panel.ShowStats();
    owner.PaintBoard();
}

} // namespace vornia
