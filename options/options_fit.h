// How the options dialog fits the screen it opens on: the form as designed
// where there is room for it; on a smaller screen the fair-board rules move
// below the counts, or every part goes into one column that scrolls, so
// that every control can be reached.
#pragma once

#include <array>
#include <optional>

namespace vornia {

struct TBox {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TBox&, const TBox&) = default;
};

// In the order they are preferred.
enum class TOptionsArrangement {
    Wide,            // as designed: counts, example picture, fair-board rules side by side
    FairBelowCounts, // the fair-board rules under the counts, the picture beside them
    OneColumn,       // the picture under the counts as well, beside the rules
};
constexpr int OptionsArrangementCount = 3;

struct TOptionsFit {
    TOptionsArrangement Arrangement = TOptionsArrangement::Wide;
    // The dialog's client area: the parts, or as much of them as fits, and
    // the strip of OK and Cancel below them.
    TBox Client;
    bool ScrollsAcross = false; // the parts scroll sideways
    bool ScrollsDown = false;   // the parts scroll up and down

    friend bool operator==(const TOptionsFit&, const TOptionsFit&) = default;
};

// content: the size the parts take in each arrangement, in the order of
// TOptionsArrangement. room: the client area the screen leaves the dialog;
// none means the dialog is not on a screen yet, and it is laid out as
// designed. The first arrangement that fits is taken; when none does, the
// first whose width fits beside a vertical scroll bar, scrolling down; when
// none does either, the narrowest, scrolling both ways.
TOptionsFit FitOptions(const std::array<TBox, OptionsArrangementCount>& content, int bottomHeight, int scrollBarExtent,
                       std::optional<TBox> room);

} // namespace vornia
