#include "options_fit.h"

#include <algorithm>

namespace vornia {

TOptionsFit FitOptions(const std::array<TBox, OptionsArrangementCount>& content, int bottomHeight, int scrollBarExtent,
                       std::optional<TBox> room)
{
    auto whole = [&](int i) {
        const TBox& parts = content[static_cast<std::size_t>(i)];
        return TBox{parts.Width, parts.Height + bottomHeight};
    };
    auto arrangement = [](int i) { return static_cast<TOptionsArrangement>(i); };
    if (!room)
        return {TOptionsArrangement::Wide, whole(0)};

    for (int i = 0; i < OptionsArrangementCount; ++i) {
        const TBox needed = whole(i);
        if (needed.Width <= room->Width && needed.Height <= room->Height)
            return {arrangement(i), needed};
    }
    for (int i = 0; i < OptionsArrangementCount; ++i) {
        const TBox needed = whole(i);
        if (needed.Width + scrollBarExtent <= room->Width)
            return {arrangement(i), {needed.Width + scrollBarExtent, room->Height}, false, true};
    }
    int narrowest = 0;
    for (int i = 1; i < OptionsArrangementCount; ++i)
        if (content[static_cast<std::size_t>(i)].Width < content[static_cast<std::size_t>(narrowest)].Width)
            narrowest = i;
    const TBox needed = whole(narrowest);
    // Sideways scrolling takes a bar's height from the parts; they may then
    // fit down without a bar of their own.
    const bool down = needed.Height + scrollBarExtent > room->Height;
    const TBox client{room->Width, std::min(room->Height, needed.Height + scrollBarExtent)};
    return {arrangement(narrowest), client, true, down};
}

} // namespace vornia
