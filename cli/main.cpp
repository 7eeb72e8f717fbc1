// vornia-cli: generates, measures and draws boards without a window.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <QGuiApplication>

#include "cli_args.h"
#include "cli_run.h"
#include "picture_qt.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv, argv + argc);
    const vornia::TCliParse parse = vornia::ParseCliArgs(args);
    if (!parse.Ok) {
        std::cerr << "vornia-cli: " << parse.Error << '\n';
        return vornia::ExitUsage;
    }

    // Fonts for the pictures come from a GUI application; it needs no display.
    std::unique_ptr<QGuiApplication> app;
    if (!parse.Args.PngFile.empty()) {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        int qtArgc = 1;
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
    }
    return vornia::RunCli(parse.Args, std::cout, std::cerr, vornia::WriteBoardPicture, ::isatty(STDERR_FILENO) == 1);
}
