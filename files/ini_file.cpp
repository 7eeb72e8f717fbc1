#include "ini_file.h"

#include <unordered_map>

#include "board/ascii_text.h"
#include "board/plate.h"
#include "file_utils.h"

namespace vornia {

namespace {

// A file saved by some editors starts with the UTF-8 byte order mark; left in
// place it would hide the first section header and with it every key.
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsSectionHeader(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The text before the first "=" of a key line equals the key; false for a
// line without "=".
bool LineHasKey(std::string_view line, std::string_view key)
{
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && SameText(line.substr(0, equals), key);
}

} // namespace

TIniFile TIniFile::FromText(std::string_view text, std::string path)
{
    TIniFile ini(std::move(path));
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());

    TSection* current = nullptr;
    // The sections read so far by lower-case name: a file of a million
    // headers is read in linear time, not by a search per header.
    std::unordered_map<std::string, std::size_t> sectionIndex;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        // CR LF is one line end; a lone CR or LF is one too.
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;

        if (line.empty() || line.front() == ';')
            continue;
        if (IsSectionHeader(line)) {
            const std::string_view name = line.substr(1, line.size() - 2);
            // A section named twice is one section: its later lines join the first.
            const auto [found, added] = sectionIndex.try_emplace(LowerAscii(name), ini.SectionList.size());
            if (added)
                ini.SectionList.push_back(TSection{std::string(name), {}});
            current = &ini.SectionList[found->second];
            continue;
        }
        if (current != nullptr)
            current->Lines.emplace_back(line);
    }
    return ini;
}

TIniFile::TSection* TIniFile::FindSection(std::string_view name)
{
    for (TSection& section : SectionList)
        if (SameText(section.Name, name))
            return &section;
    return nullptr;
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view name) const
{
    for (const TSection& section : SectionList)
        if (SameText(section.Name, name))
            return &section;
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultText) const
{
    if (const TSection* found = FindSection(section))
        for (const std::string& line : found->Lines)
            if (LineHasKey(line, key))
                return line.substr(key.size() + 1);
    return std::string(defaultText);
}

bool TIniFile::KeyExists(std::string_view section, std::string_view key) const
{
    if (const TSection* found = FindSection(section))
        for (const std::string& line : found->Lines)
            if (LineHasKey(line, key))
                return true;
    return false;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);

    TSection* found = FindSection(section);
    if (found == nullptr) {
        SectionList.push_back(TSection{std::string(section), {}});
        found = &SectionList.back();
    }
    for (std::string& existing : found->Lines) {
        if (LineHasKey(existing, key)) {
            existing = std::move(line);
            return;
        }
    }
    found->Lines.push_back(std::move(line));
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    // Every line of the key goes, so that a repeated key cannot reappear.
    if (TSection* found = FindSection(section))
        std::erase_if(found->Lines, [key](const std::string& line) { return LineHasKey(line, key); });
}

void TIniFile::EraseAll()
{
    SectionList.clear();
}

std::string TIniFile::ToText() const
{
    std::string text;
    for (const TSection& section : SectionList) {
        text.append("[").append(section.Name).append("]\r\n");
        for (const std::string& line : section.Lines)
            text.append(line).append("\r\n");
        text.append("\r\n");
    }
    return text;
}

bool TIniFile::UpdateFile(std::string* error) const
{
    if (FilePath.empty()) {
        if (error != nullptr)
            *error = "no file name";
        return false;
    }
    return WriteFileAtomically(FilePath, ToText(), error);
}

} // namespace vornia
