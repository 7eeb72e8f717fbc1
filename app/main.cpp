// vornia-generator: the board generator's window. It takes no arguments of
// its own; it keeps its settings in "VorniaGenerator.ini" in the folder it
// is started from.
#include <QApplication>

#include <clocale>

#include "app/frm_board_qt.h"
#include "app/program_icon_qt.h"
#include "board/random_source.h"
#include "ui/os_version.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vornia-generator");
    // No display name: Qt would append it to every title bar, and the window
    // titles are the program's own. The desktop file ties the windows to the
    // program's name and icon instead.
    QGuiApplication::setDesktopFileName("vornia-generator");
    QApplication::setWindowIcon(vornia::ProgramIcon());

    // QApplication has put the C library into the user's locale. Every number
    // is written and read without it; this keeps any that slips through on
    // the decimal point too.
    std::setlocale(LC_NUMERIC, "C");
    vornia::RandomSource().UseSystemClock();
    const int osProduct = vornia::OSProduct();

    vornia::TfrmBoardQt window(osProduct);
    if (!window.Create())
        return 1;
    window.show();
    return QApplication::exec();
}
