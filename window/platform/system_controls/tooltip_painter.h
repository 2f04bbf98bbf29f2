#pragma once
// How a tool tip looks: the tip colours with a one-pixel frame, the text inside a small
// margin, broken at words into lines no wider than 300 pixels at 96 pixels per inch
// (scaled with the logical resolution); the text's own line breaks are kept.
#include <string_view>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

// The widest a line of tip text may be, in pixels at the logical resolution.
int ToolTipWrapWidth();
// The room the text takes, laid out as the tip shows it.
Size MeasureToolTipText(Hdc dc, std::string_view text, bool prefix);
// The window size that holds a text of `text` pixels.
Size ToolTipSizeFor(Size text);
void PaintToolTip(Hdc dc, const Rect& rect, std::string_view text, bool prefix);

}  // namespace qor::ui
