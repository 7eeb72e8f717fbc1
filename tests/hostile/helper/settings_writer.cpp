// hostile_settings_writer SETTINGS_FILE WIDTH
//
// Reads the settings file as the main window does at start-up, sets the
// window width and writes the file back as the window does at close.
#include <iostream>
#include <memory>
#include <string>

#include "board/board_settings.h"
#include "files/file_utils.h"
#include "files/settings.h"

namespace {

class TStderrSink : public vornia::TMessageSink {
public:
    void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
};

} // namespace

int main(int argc, char** argv)
{
    int width = 0;
    if (argc != 3 || !vornia::ParseInteger(argv[2], width)) {
        std::cerr << "usage: hostile_settings_writer SETTINGS_FILE WIDTH\n";
        return 2;
    }
    TStderrSink messages;
    const std::unique_ptr<vornia::TIniFile> ini = vornia::OpenIniFile(argv[1], messages);
    if (!ini)
        return 1;
    vornia::TAppSettings settings;
    vornia::LoadSettings(*ini, settings);
    settings.WindowWidth = width;
    vornia::SaveSettings(*ini, settings);
    std::string error;
    if (!ini->UpdateFile(&error)) {
        std::cerr << "could not write " << argv[1] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
