#pragma once
// DrawText: text laid out in a rectangle (one line or several, broken at words, aligned,
// tabs expanded, mnemonics underlined) and drawn with the context's font and colours, or
// only measured (DT_CALCRECT). The format bits are in text_layout.h.
#include <string_view>

#include "window/platform/draw/device_context.h"
#include "window/platform/draw/text_layout.h"

namespace qor::ui {

// Draws `text` in `rect` (context coordinates), clipped to it unless DT_NOCLIP. With
// DT_CALCRECT nothing is drawn: `rect` keeps its top left and gets the width of the
// widest line and the height of all lines. Returns the height of the text; for a single
// line placed with DT_VCENTER or DT_BOTTOM, the distance from the rectangle's top to the
// bottom of the line. 0 for no context or no rectangle.
int DrawText(Hdc dc, std::string_view text, Rect* rect, unsigned format);

}  // namespace qor::ui
