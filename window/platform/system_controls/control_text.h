#pragma once
// Captions of controls: DrawText on a transparent background (the control has filled its
// background already), the embossed look of disabled text, and measuring one line.
// Formats are DrawText's DT_* bits; "&" marks a mnemonic unless DT_NOPREFIX.
#include <string_view>

#include "window/platform/draw/device_context.h"
#include "window/platform/draw/draw_text.h"

namespace qor::ui {

void DrawControlText(Hdc dc, std::string_view text, const Rect& rect, unsigned format);

// Draws the caption twice, as disabled text looks: in the highlight colour one pixel down
// and right, then in the shadow colour.
void DrawDisabledCaption(Hdc dc, std::string_view text, const Rect& rect, unsigned format);

// Width and height the caption takes on one line.
Size MeasureCaption(Hdc dc, std::string_view text, unsigned format);

}  // namespace qor::ui
