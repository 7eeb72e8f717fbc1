// Whole boards on paper-sized pages: the print preview of Print Whole Board
// and the PDF booklet of a batch of boards.
#pragma once

#include <QRectF>
#include <memory>
#include <string>

#include "board_painter.h"

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QSaveFile;
class QWidget;

namespace vornia {

// Paints the board's whole picture (BoardPictureSize at options.Zoom) as
// shapes and text into area of the painter's device: as large as fits, the
// aspect ratio kept, centred. The painter's state is left as it was.
void PaintBoardInArea(QPainter& painter, const QRectF& area, const TPlateList& plates, const TPaintOptions& options);

// One page on a printer or PDF writer: the board's whole picture fitted
// inside the page's margins. False when the device would not start a page.
bool PrintWholeBoard(QPagedPaintDevice& page, const TPlateList& plates, const TPaintOptions& options);

// A modal print preview of PrintWholeBoard on the default printer, turned
// sideways for a board wider than high; the user prints from it, or closes
// it. The plates must stay as they are while it is open.
void ShowWholeBoardPreview(QWidget* parent, const TPlateList& plates, const TPaintOptions& options);

// A PDF booklet: one page per board, the board's name as the page's heading
// and its whole picture fitted below it, on the paper of the locale (Letter
// where inches are used, else A4), each page turned to suit its board. The
// file appears only when Finish succeeds; a booklet destroyed before leaves
// any older file as it was.
class TBoardBooklet {
public:
    TBoardBooklet();
    ~TBoardBooklet();
    TBoardBooklet(const TBoardBooklet&) = delete;
    TBoardBooklet& operator=(const TBoardBooklet&) = delete;

    // Starts the booklet for path. False, with the reason in error (when
    // given), when the file cannot be written.
    bool Begin(const std::string& path, std::string* error);
    // Adds a page for the board; false, with the reason, when the page could
    // not be started or Begin did not succeed.
    bool AddBoard(const std::string& heading, const TPlateList& plates, const TPaintOptions& options,
                  std::string* error);
    // Writes the file; false, with the reason, when it has no page or could
    // not be written.
    bool Finish(std::string* error);
    int PageCount() const { return Pages; }

private:
    std::string Path;
    std::unique_ptr<QSaveFile> File;
    std::unique_ptr<QPdfWriter> Writer;
    std::unique_ptr<QPainter> Painter;
    int Pages = 0;
};

} // namespace vornia
