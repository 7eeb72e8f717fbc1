// vornia-cli: generates, measures and draws boards without a window.
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <QGuiApplication>
#include <QtGlobal>

#include "cli_args.h"
#include "cli_run.h"
#include "picture_qt.h"

namespace {

// Qt's own warnings (no runtime folder for the session, a missing font) are
// not the tool's to pass on: its standard error holds only its own messages.
// What keeps Qt from working at all still gets through.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vornia-cli: " << message.toStdString() << '\n';
}

} // namespace

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
    if (vornia::WantsPicture(parse.Args)) {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QtMessage);
        int qtArgc = 1;
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
    }
    // The application has put the C library into the user's locale; the
    // numbers printed keep the decimal point whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    return vornia::RunCli(parse.Args, std::cout, std::cerr, vornia::WriteBoardPicture, ::isatty(STDERR_FILENO) == 1,
                          vornia::MakePdfBooklet);
}
