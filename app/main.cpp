// vornia-generator: the board generator's window. Board files named on the
// command line are opened after the start-up. It keeps its settings in
// "VorniaGenerator.ini" in the folder it is started from, or, started from
// its desktop entry (DesktopEntryOption), in $XDG_CONFIG_HOME/vornia-generator.
#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/frm_board_qt.h"
#include "app/program_icon_qt.h"
#include "app/startup_args.h"
#include "board/random_source.h"
#include "ui/os_version.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vornia-generator");
    QApplication::setApplicationDisplayName(QString::fromUtf8(vornia::ApplicationTitle.data(),
                                                              static_cast<int>(vornia::ApplicationTitle.size())));
    QGuiApplication::setDesktopFileName("vornia-generator");
    QApplication::setWindowIcon(vornia::ProgramIcon());

    // What is left of the command line once Qt has taken its own options.
    const vornia::TStartupArgs args = vornia::ParseStartupArgs(std::vector<std::string>(argv, argv + argc));
    for (const std::string& option : args.UnknownOptions)
        std::cerr << "vornia-generator: unknown option " << option << " ignored\n";
    const std::string settingsFolder =
        vornia::SettingsFolderFor(args.FromDesktopEntry, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    // A folder that cannot be made is reported when the settings file cannot be created in it.
    if (!settingsFolder.empty())
        vornia::MakeFolder(settingsFolder);

    vornia::RandomSource().UseSystemClock();
    const int osProduct = vornia::OSProduct();

    vornia::TfrmBoardQt window(osProduct, settingsFolder);
    if (!window.Create())
        return 1;
    window.Logic().SetStartupBoardFiles(args.BoardFiles);
    window.show();
    return QApplication::exec();
}
