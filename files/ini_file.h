// INI text as the program reads and writes it: sections in order, each with
// its lines in order; keys and section names compare without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornia {

// Neither file of the program comes near this; a larger file is refused
// rather than read into memory.
constexpr std::size_t MaxIniFileBytes = std::size_t{64} << 20;

class TIniFile {
public:
    struct TSection {
        std::string Name;
        std::vector<std::string> Lines; // "key=value" and other loose lines, unchanged
    };

    TIniFile() = default;
    explicit TIniFile(std::string path) : FilePath(std::move(path)) {}

    // Parses INI text (CR LF, LF or CR line ends). Lines before the first
    // section, empty lines and ";" comments are dropped.
    static TIniFile FromText(std::string_view text, std::string path = {});

    const std::string& Path() const { return FilePath; }
    const std::vector<TSection>& Sections() const { return SectionList; }

    // The value after "key=" of the first line whose text before its first
    // "=" equals the key (letter case ignored, nothing trimmed); else the default.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultText) const;
    bool KeyExists(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place or appends it to its section; a missing
    // section is appended at the end.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    // Removes every section and key.
    void EraseAll();

    // Section by section: "[name]", its lines, one empty line; CR LF line ends.
    std::string ToText() const;
    // Writes ToText() whole to a temporary file beside Path() and renames it
    // into place. On failure the old file is untouched and error says why.
    bool UpdateFile(std::string* error = nullptr) const;

private:
    TSection* FindSection(std::string_view name);
    const TSection* FindSection(std::string_view name) const;

    std::string FilePath;
    std::vector<TSection> SectionList;
};

} // namespace vornia
