#include "mirl_layout.h"

#include <algorithm>

namespace vornia {

int TLabelledLayout::InputWidth() const
{
    return std::max(0, PanelWidth - InputRightMargin - InputLeft);
}

std::string CaptionWithColon(std::string_view value)
{
    std::string caption(value);
    if (!caption.empty() && caption.back() != ':')
        caption += ':';
    return caption;
}

bool SetCaptionLeft(TLabelledLayout& layout, int value)
{
    if (value < 0 || value == layout.LabelLeft)
        return false;
    layout.LabelLeft = value;
    return true;
}

bool SetCaptionWidth(TLabelledLayout& layout, int value)
{
    if (value < 0 || value == layout.LabelWidth)
        return false;
    if (layout.PanelWidth - MinInputWidth < value + layout.LabelLeft)
        value = layout.PanelWidth - layout.LabelLeft - MinInputWidth;
    // A panel narrower than the label's left plus the minimum leaves no room
    // at all: the label shrinks to nothing rather than to a negative width.
    value = std::max(0, value);
    const int oldWidth = layout.LabelWidth;
    // The input keeps its right edge (and so its right margin): it moves by
    // the label's change in width and its width changes by the opposite.
    layout.InputLeft = value + layout.InputLeft - oldWidth;
    layout.LabelWidth = value;
    return value != oldWidth;
}

bool SetPanelWidth(TLabelledLayout& layout, int value)
{
    if (value < 0 || value == layout.PanelWidth)
        return false;
    layout.PanelWidth = value;
    return true;
}

} // namespace vornia
