#pragma once
// How buttons look, apart from how they behave: the painting of a push button and of a
// group box from a description of their state.
#include <string_view>

#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/style_painter.h"

namespace qor::ui {

struct ButtonLook {
  Rect rect;                  // client area
  std::string_view caption;   // "&" marks the mnemonic, which is underlined
  bool isDefault = false;     // BS_DEFPUSHBUTTON: an extra dark frame
  bool pushed = false;
  bool focused = false;
  bool enabled = true;
  BevelStyle style = BevelStyle::Raised;  // Flat: flat at rest, a thin raised edge while hot
  bool hot = false;                       // the mouse is over it
};

// Button face; a raised 3-D edge, sunken while pushed (the default button shows a flat
// shadow frame instead, inside its dark frame); the caption centred, one pixel down and
// right while pushed, embossed grey when disabled; the dotted focus frame inside.
void PaintPushButton(Hdc dc, const ButtonLook& look);

// An etched frame from half the text height down, the caption at the top left on the
// background brush in the context's text colour (grey when disabled). The inside is left
// alone: it is the parent's background.
void PaintGroupBox(Hdc dc, const ButtonLook& look, BrushHandle background);

// Where the focus frame of a push button lies.
Rect PushButtonFocusRect(const ButtonLook& look);

}  // namespace qor::ui
