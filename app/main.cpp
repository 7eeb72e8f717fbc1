// vornia-generator: the board generator's window. Board files named on the
// command line are opened after the start-up. It keeps its settings in
// "VorniaGenerator.ini" in the folder it is started from, or, started from
// its desktop entry (DesktopEntryOption) or installed system-wide
// (VORNIA_SYSTEM_INSTALL), in $XDG_CONFIG_HOME/vornia-generator.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "app/frm_board_qt.h"
#include "app/program_icon_qt.h"
#include "app/startup_args.h"
#include "board/random_source.h"
#include "ui/os_version.h"

namespace {

// Built for a system install (the package), the program never writes into
// the folder it happens to be started from, whoever starts it.
#ifdef VORNIA_SYSTEM_INSTALL
constexpr bool SystemInstall = true;
#else
constexpr bool SystemInstall = false;
#endif

} // namespace

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

    // What is left of the command line once Qt has taken its own options.
    const vornia::TStartupArgs args = vornia::ParseStartupArgs(std::vector<std::string>(argv, argv + argc));
    for (const std::string& option : args.UnknownOptions)
        std::cerr << "vornia-generator: unknown option " << option << " ignored\n";
    const std::string home = vornia::HomeFolder(std::getenv("HOME"));
    const std::string settingsFolder =
        vornia::SettingsFolderFor(args.FromDesktopEntry || SystemInstall, std::getenv("XDG_CONFIG_HOME"), home.c_str());
    // A folder that cannot be made is reported when the settings file cannot be created in it.
    if (!settingsFolder.empty())
        vornia::MakeFolder(settingsFolder);

    const int osProduct = vornia::OSProduct();

    vornia::TfrmBoardQt window(osProduct, settingsFolder);
    if (!window.Create())
        return 1;
    window.Logic().SetStartupBoardFiles(args.BoardFiles);
    window.show();
    return QApplication::exec();
}
