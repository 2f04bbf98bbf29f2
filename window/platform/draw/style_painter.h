#pragma once
// One painter for bevels, so that every control looks alike and a change of look is made
// in one place: buttons (the classic raised button, the default button's dark frame, and
// flat buttons that stay flat until the mouse is over them), arrow buttons such as a spin
// box's pair, and the sunken well of a text field. Colours are the system colours.
#include <cstdint>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

enum class BevelStyle {
  Raised,  // a raised 3-D edge at rest, sunken while pressed
  Flat,    // flat at rest, a thin raised edge while hot, a thin sunken edge while pressed
};

struct BevelState {
  bool pressed = false;
  bool hot = false;        // the mouse is over it (matters to flat buttons)
  bool isDefault = false;  // the default button: a dark frame outside the edge
  bool enabled = true;
};

// Fills the button face and draws the bevel. Returns the area for the content (caption,
// icon, arrow), already moved one pixel down and right while pressed, as a pressed
// button's content moves.
Rect PaintButtonBevel(Hdc dc, const Rect& rect, BevelStyle style, const BevelState& state);

enum class ArrowDirection { Up, Down, Left, Right };

// A button holding an arrow: the bevel, and a small solid triangle centred in it (grey
// and embossed when disabled).
void PaintArrowButton(Hdc dc, const Rect& rect, ArrowDirection direction, const BevelState& state);
// Only the triangle, centred in `rect`, in `color`.
void PaintArrowGlyph(Hdc dc, const Rect& rect, ArrowDirection direction, ColorRef color);

// A spin box's arrows: up in the upper half, down in the lower half.
struct SpinLook {
  Rect rect;
  bool upPressed = false;
  bool downPressed = false;
  bool enabled = true;
};
Rect SpinUpRect(const Rect& rect);
Rect SpinDownRect(const Rect& rect);
void PaintSpinArrows(Hdc dc, const SpinLook& look);

// The sunken two-pixel well of a text field; returns the area inside it.
Rect PaintSunkenWell(Hdc dc, const Rect& rect);

}  // namespace qor::ui
