// Geometry and caption rules of the labelled controls (TmirlEdit and
// TmirlCombobox): a panel with a caption label on the left and the input on
// the right. Plain arithmetic, so that it is testable without a display.
#pragma once

#include <string>
#include <string_view>

namespace vornia {

// Everything in pixels, relative to the composite panel. The input control is
// anchored left, top and right: it keeps InputRightMargin to the panel's right
// edge whatever the panel's width.
struct TLabelledLayout {
    int PanelWidth = 160;
    int PanelHeight = 23;
    int LabelLeft = 0;
    int LabelTop = 2;
    int LabelWidth = 70;
    int LabelHeight = 17;
    int InputLeft = 70;
    int InputTop = 0;
    int InputHeight = 21;
    int InputRightMargin = 0;

    // The input's width as laid out; never negative.
    int InputWidth() const;

    friend bool operator==(const TLabelledLayout&, const TLabelledLayout&) = default;
};

// Minimum width the input keeps when the caption grows.
constexpr int MinInputWidth = 20;

// The caption as shown: a ":" is appended to a text that does not already end
// in one; an empty text stays empty.
std::string CaptionWithColon(std::string_view value);

// Each setter ignores a negative value and a value equal to the current one,
// and returns whether anything changed.

// Moves the label; the input stays where it is.
bool SetCaptionLeft(TLabelledLayout& layout, int value);
// Gives the label the width value (cut so that MinInputWidth pixels stay to
// the right of it); the input keeps its right edge and takes or gives the
// difference.
bool SetCaptionWidth(TLabelledLayout& layout, int value);
// Resizes the panel; the anchored input grows or shrinks with it.
bool SetPanelWidth(TLabelledLayout& layout, int value);

} // namespace vornia
