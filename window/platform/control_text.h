#pragma once
// Captions of controls: one piece of text placed in a rectangle, with "&" marking the
// mnemonic, in the context's font and text colour on a transparent background.
#include <string_view>

#include "window/platform/device_context.h"

namespace qor::ui {

enum class TextAlign { Left, Center, Right };

struct CaptionFormat {
  TextAlign align = TextAlign::Left;
  bool verticalCenter = false;  // one line, centred top to bottom
  bool wordWrap = false;        // break lines at spaces to fit the width
  bool prefix = true;           // "&" marks a mnemonic ("&&" is one "&")
};

void DrawCaption(Hdc dc, std::string_view text, const Rect& rect, const CaptionFormat& format);

// Draws the caption twice, as disabled text looks: in the highlight colour one pixel down
// and right, then in the shadow colour.
void DrawDisabledCaption(Hdc dc, std::string_view text, const Rect& rect, const CaptionFormat& format);

// Width and height the caption takes on one line (mnemonic marks left out).
Size MeasureCaption(Hdc dc, std::string_view text, bool prefix);

}  // namespace qor::ui
