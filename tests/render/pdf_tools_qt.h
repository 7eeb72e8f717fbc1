// Reading PDF files back with the poppler tools (pdfinfo, pdftoppm,
// pdftotext) through the shell.
#pragma once

#include <QImage>
#include <QString>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace vornia::testing {

// Runs a shell command; its exit status, and its standard output in out.
inline int RunShell(const std::string& command, std::string* out = nullptr)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    std::string text;
    while (std::fgets(buffer, sizeof buffer, pipe))
        text += buffer;
    const int status = pclose(pipe);
    if (out)
        *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// The rest of the line after key in text; empty when key is not there.
inline std::string ValueAfter(const std::string& text, const std::string& key)
{
    const auto at = text.find(key);
    if (at == std::string::npos)
        return {};
    const auto end = text.find('\n', at);
    return text.substr(at + key.size(), end == std::string::npos ? std::string::npos : end - at - key.size());
}

inline bool HavePopplerTools()
{
    return RunShell("command -v pdftoppm pdftotext pdfinfo >/dev/null 2>&1") == 0;
}

// Page (from 1) of the PDF as a picture at dpi, without antialiasing so that
// every colour is one of the drawing's; written next to prefix. Null when
// pdftoppm fails.
inline QImage PdfPage(const std::string& pdf, int dpi, const std::string& prefix, int page = 1)
{
    const std::string pages = " -f " + std::to_string(page) + " -l " + std::to_string(page);
    if (RunShell("pdftoppm -r " + std::to_string(dpi) + pages + " -aa no -aaVector no -png -singlefile " + Quoted(pdf) +
                 " " + Quoted(prefix) + " 2>&1") != 0)
        return {};
    return QImage(QString::fromStdString(prefix + ".png"));
}

// The text of the PDF's page (0: every page), as pdftotext reads it.
inline std::string PdfText(const std::string& pdf, int page = 0)
{
    std::string text;
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    RunShell("pdftotext" + pages + " " + Quoted(pdf) + " - 2>/dev/null", &text);
    return text;
}

} // namespace vornia::testing
