#pragma once
// How a tool tip looks: the tip colours with a one-pixel frame, the text inside a small
// margin on one line.
#include <string_view>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

// The window size that holds a text of `text` pixels.
Size ToolTipSizeFor(Size text);
void PaintToolTip(Hdc dc, const Rect& rect, std::string_view text, bool prefix);

}  // namespace qor::ui
