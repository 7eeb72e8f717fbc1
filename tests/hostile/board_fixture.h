// Opening, measuring and saving a board file as the program does, for the
// hostile-input tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "board/panel_board.h"
#include "files/board_file.h"
#include "files/file_utils.h"
#include "files/open_board.h"
#include "hostile_support.h"

namespace vornia::hostile {

struct TOpenedBoard {
    bool Opened = false;
    std::vector<std::string> Messages;
    TBoardFileContent Content;
};

// OpenIniFile and ReadBoard, as the Open command reads a file.
inline TOpenedBoard OpenBoardFile(const std::string& path)
{
    TOpenedBoard result;
    TRecordingSink sink;
    const std::unique_ptr<TIniFile> ini = OpenIniFile(path, sink);
    result.Messages = sink.Messages;
    result.Opened = ini != nullptr;
    if (ini)
        result.Content = ReadBoard(*ini);
    return result;
}

// A panel holding an opened board at the file's zoom, opened as Open does.
struct TOpenedPanel {
    TPanelBoard Panel;

    explicit TOpenedPanel(TBoardFileContent content) { OpenBoard(Panel, std::move(content), "opened"); }
};

// The text Save As writes for the plates.
inline std::string SavedText(const TPlateList& plates, int zoom)
{
    TIniFile ini;
    WriteBoard(ini, plates, zoom);
    return ini.ToText();
}

inline std::string PlateLine(int index, const std::string& value)
{
    return "plate[" + std::to_string(index) + "]=" + value + "\r\n";
}

} // namespace vornia::hostile
