#pragma once
// Where everything of a message box goes, in dialog units: the upper band with the icon
// and the text, both centred in it vertically, and below it a centred row of buttons,
// 50 by 14 units, 5 apart. Margins are 5 units; the band is at least 45 units high. The
// box never grows beyond the largest client area the screen holds: the text is given
// less width and fewer lines, and a row of buttons too wide for the screen gets
// narrower buttons. Nothing here needs a window or a font: sizes come in as pixels.
#include <vector>

#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/core/types.h"

namespace qor::win {

inline constexpr int kBoxMargin = 5;
inline constexpr int kBoxMinBand = 45;
inline constexpr int kBoxTextWidth = 200;  // the width the text wraps in
inline constexpr int kBoxTextPad = 10;     // pixels added to the text's measured width
inline constexpr int kBoxButtonWidth = 50;
inline constexpr int kBoxButtonHeight = 14;
inline constexpr int kBoxButtonGap = 5;

// How much room the text may take (pixels, lines).
struct BoxTextLimits {
  int width = 0;
  int maxLines = 1;
};

// What the layout starts from.
struct BoxMeasures {
  ui::DialogBaseUnits units;
  ui::Size text;          // the broken text's extent, pixels
  ui::Size icon;          // 0 by 0 without an icon, pixels
  int buttons = 1;
  ui::Size largestClient;  // the largest client area the screen holds, pixels
};

struct BoxLayout {
  int cx = 0;  // client area, dialog units
  int cy = 0;
  ui::Rect icon;  // empty without an icon
  ui::Rect text;
  std::vector<ui::Rect> buttons;
};

// The largest client area of a window of `style` on a screen of `screen`.
ui::Size LargestClient(ui::Size screen, uint32_t style);
// The text's room: 200 units wide unless the screen is narrower; as many lines as the
// screen has room for below the caption and above the buttons (at least one).
BoxTextLimits TextLimits(ui::DialogBaseUnits units, ui::Size icon, ui::Size largestClient, int lineHeight);
BoxLayout LayOutBox(const BoxMeasures& measures);

}  // namespace qor::win
