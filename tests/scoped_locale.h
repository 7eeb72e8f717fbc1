// Puts the C library into another locale for one scope, as the toolkit does
// when it starts, and back again at the end.
#pragma once

#include <clocale>
#include <string>

namespace vornia::test {

// Locales that write numbers with a decimal comma; scripts/deps.sh makes them.
inline constexpr const char* CommaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8"};

class TScopedLocale {
public:
    explicit TScopedLocale(const char* name)
    {
        if (const char* now = std::setlocale(LC_ALL, nullptr))
            Before = now;
        Ok = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~TScopedLocale() { std::setlocale(LC_ALL, Before.c_str()); }
    TScopedLocale(const TScopedLocale&) = delete;
    TScopedLocale& operator=(const TScopedLocale&) = delete;

    // False when the system lacks the locale (scripts/deps.sh generates it).
    bool Ok = false;

private:
    std::string Before = "C";
};

} // namespace vornia::test
