// Where the file utilities report a failure: the window shows a message box,
// the command-line tool prints to stderr, tests record it.
#pragma once

#include <string>

namespace vornia {

class TMessageSink {
public:
    virtual ~TMessageSink() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

} // namespace vornia
