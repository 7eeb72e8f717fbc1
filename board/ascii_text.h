// ASCII letter case. Kinds, shapes, board names and the keys of the files
// compare without regard to it; every other byte compares as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornia {

constexpr char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = LowerAscii(c);
    return lower;
}

// Texts of kinds, numbers, shapes and names compare without regard to ASCII case.
constexpr bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

} // namespace vornia
