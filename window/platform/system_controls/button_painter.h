#pragma once
// How buttons look, apart from how they behave: the painting of a push button and of a
// group box from a description of their state.
#include <cstdint>
#include <string_view>

#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/style_painter.h"

namespace qor::ui {

// Where a button's icon lies against its caption.
enum class IconPlace : uint8_t { kLeft, kRight, kAbove, kBelow };

struct ButtonLook {
  Rect rect;                  // client area
  std::string_view caption;   // "&" marks the mnemonic, which is underlined
  bool isDefault = false;     // BS_DEFPUSHBUTTON: an extra dark frame
  bool pushed = false;
  bool focused = false;
  bool enabled = true;
  BevelStyle style = BevelStyle::Raised;  // Flat: flat at rest, a thin raised edge while hot
  bool hot = false;                       // the mouse is over it
  IconHandle icon = IconHandle::None;     // drawn at the small icon size beside the caption
  IconPlace iconPlace = IconPlace::kLeft;
};

// Where an icon and a caption of these sizes go in a button's content area: side by side
// (or one above the other) with a small gap when both are there, the pair centred.
struct ButtonFace {
  Rect icon;
  Rect caption;
};
ButtonFace LayOutButtonFace(const Rect& area, Size icon, Size caption, IconPlace place);
// The room the pair takes.
Size ButtonFaceExtent(Size icon, Size caption, IconPlace place);

// Button face; a raised 3-D edge, sunken while pushed (the default button shows a flat
// shadow frame instead, inside its dark frame); the caption centred (beside the icon when
// there is one), one pixel down and right while pushed, embossed grey when disabled; the
// dotted focus frame inside.
void PaintPushButton(Hdc dc, const ButtonLook& look);

// An etched frame from half the text height down, the caption at the top left on the
// background brush in the context's text colour (grey when disabled). The inside is left
// alone: it is the parent's background.
void PaintGroupBox(Hdc dc, const ButtonLook& look, BrushHandle background);

// Where the focus frame of a push button lies.
Rect PushButtonFocusRect(const ButtonLook& look);

}  // namespace qor::ui
