#include "open_board.h"

#include <utility>

namespace vornia {

TGenerationResult OpenBoard(TPanelBoard& panel, TBoardFileContent content, const std::string& path)
{
    panel.Registry().NewPlateList();
    panel.SetZoom(content.Zoom);
    panel.Registry().AdoptPlateList(std::move(content.Plates));
    panel.Registry().SetBoardName(path);
    panel.Registry().RegisterBoard(panel.BoardName());
    panel.ResetAttempts();

    TGenerationResult result;
    result.Made = true;
    result.Name = panel.BoardName();
    result.Stats = panel.ComputeStats();
    return result;
}

} // namespace vornia
