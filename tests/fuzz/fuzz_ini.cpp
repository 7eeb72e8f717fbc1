// Fuzz target: INI text as both files of the program use it. The input is
// the text of a file; the keys read, written and deleted are taken from it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/plate.h"
#include "files/ini_file.h"
#include "fuzz_check.h"

namespace {

using vornia::SameText;
using vornia::TIniFile;

bool SameSections(const TIniFile& a, const TIniFile& b)
{
    const auto& x = a.Sections();
    const auto& y = b.Sections();
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i].Name != y[i].Name || x[i].Lines != y[i].Lines)
            return false;
    return true;
}

bool HasLineEnd(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsHeader(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// What parsing guarantees: names and lines hold no line end, no kept line is
// empty, a comment or a section header, and no two sections share a name.
void CheckParsed(const TIniFile& ini)
{
    const auto& sections = ini.Sections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        FUZZ_CHECK(!HasLineEnd(sections[i].Name));
        for (std::size_t j = 0; j < i; ++j)
            FUZZ_CHECK(!SameText(sections[i].Name, sections[j].Name));
        for (const std::string& line : sections[i].Lines) {
            FUZZ_CHECK(!line.empty() && line.front() != ';');
            FUZZ_CHECK(!HasLineEnd(line));
            FUZZ_CHECK(!IsHeader(line));
        }
    }
}

// Writing the text and reading it again gives the same sections and text.
void CheckRoundTrip(const TIniFile& ini)
{
    const std::string text = ini.ToText();
    const TIniFile again = TIniFile::FromText(text);
    FUZZ_CHECK(SameSections(ini, again));
    FUZZ_CHECK(again.ToText() == text);
}

// The key of a line: the text before its first "=", if it has one.
bool KeyOfLine(std::string_view line, std::string_view& key)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = line.substr(0, equals);
    return true;
}

std::size_t LinesWithKey(const TIniFile& ini, std::string_view section, std::string_view key)
{
    std::size_t count = 0;
    for (const auto& s : ini.Sections())
        if (SameText(s.Name, section))
            for (const std::string& line : s.Lines) {
                std::string_view k;
                count += KeyOfLine(line, k) && SameText(k, key) ? 1 : 0;
            }
    return count;
}

void CheckRead(const TIniFile& ini, std::string_view section, std::string_view key)
{
    const bool exists = ini.KeyExists(section, key);
    const std::string a = ini.ReadString(section, key, "\x01" "a");
    const std::string b = ini.ReadString(section, key, "\x01" "b");
    if (exists)
        FUZZ_CHECK(a == b);
    else
        FUZZ_CHECK(a == "\x01" "a" && b == "\x01" "b");
    FUZZ_CHECK(exists == (LinesWithKey(ini, section, key) > 0));
}

// A line "key=value" that reads back as that line: no line end, not a
// comment and not a section header.
bool SurvivesParsing(std::string_view key, std::string_view value)
{
    if (HasLineEnd(key) || HasLineEnd(value) || key.starts_with(';'))
        return false;
    return !(key.starts_with('[') && value.ends_with(']'));
}

void CheckWrite(TIniFile ini, const std::string& section, const std::string& key, const std::string& value)
{
    const std::size_t sectionsBefore = ini.Sections().size();
    bool sectionExisted = false;
    for (const auto& s : ini.Sections())
        sectionExisted = sectionExisted || SameText(s.Name, section);
    const std::size_t keyLinesBefore = LinesWithKey(ini, section, key);

    ini.WriteString(section, key, value);
    FUZZ_CHECK(ini.Sections().size() == sectionsBefore + (sectionExisted ? 0 : 1));
    if (key.find('=') == std::string::npos) {
        // A key holding "=" can never be found again; any other reads back.
        FUZZ_CHECK(ini.KeyExists(section, key));
        FUZZ_CHECK(ini.ReadString(section, key, "") == value);
        FUZZ_CHECK(LinesWithKey(ini, section, key) == std::max<std::size_t>(keyLinesBefore, 1));
    }
    if (!HasLineEnd(section) && SurvivesParsing(key, value))
        CheckRoundTrip(ini);

    ini.DeleteKey(section, key);
    FUZZ_CHECK(!ini.KeyExists(section, key));
    FUZZ_CHECK(LinesWithKey(ini, section, key) == 0 || key.find('=') != std::string::npos);

    ini.EraseAll();
    FUZZ_CHECK(ini.Sections().empty() && ini.ToText().empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIniFile ini = TIniFile::FromText(text, "/nonexistent/fuzz.ini");
    CheckParsed(ini);
    CheckRoundTrip(ini);

    // Keys of the file itself, in the case written and in another case, and
    // keys both files of the program read.
    std::vector<std::pair<std::string, std::string>> probes;
    for (const char* key : {"plateCount", "", "="})
        probes.emplace_back("settings", key);
    std::size_t sectionsSeen = 0;
    for (const auto& section : ini.Sections()) {
        if (++sectionsSeen > 3)
            break;
        std::size_t linesSeen = 0;
        for (const std::string& line : section.Lines) {
            if (++linesSeen > 3)
                break;
            std::string_view key;
            if (!KeyOfLine(line, key))
                continue;
            probes.emplace_back(section.Name, std::string(key));
            std::string upper(key);
            for (char& c : upper)
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
            probes.emplace_back(section.Name, upper);
        }
    }

    // The value written: the last line of the text when there is one.
    const std::size_t lastEnd = text.find_last_of("\r\n");
    const std::string value(lastEnd == std::string_view::npos ? text : text.substr(lastEnd + 1));
    for (const auto& [section, key] : probes) {
        CheckRead(ini, section, key);
        CheckWrite(ini, section, key, value);
        CheckWrite(ini, section, key, "plain");
    }
    CheckWrite(ini, "new section", "key", value);
    return 0;
}
