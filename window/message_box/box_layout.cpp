#include "window/message_box/box_layout.h"

#include <algorithm>

#include "window/platform/core/window_geometry.h"

namespace qor::win {

using ui::DialogUnitsToPixelsX;
using ui::DialogUnitsToPixelsY;
using ui::PixelsToDialogUnitsX;
using ui::PixelsToDialogUnitsY;

namespace {

// The button row and the margin below it.
constexpr int kBelowBand = kBoxButtonHeight + kBoxMargin;

bool HasIcon(ui::Size icon) { return icon.cx > 0 && icon.cy > 0; }

// The room the icon takes beside the text, dialog units (the icon and one margin).
int IconRoom(ui::Size icon, ui::DialogBaseUnits units) {
  return HasIcon(icon) ? PixelsToDialogUnitsX(icon.cx, units) + kBoxMargin : 0;
}

int RowWidth(int buttons, int buttonWidth) { return buttons * buttonWidth + (buttons - 1) * kBoxButtonGap; }

// The buttons' width: 50 units unless the row would not fit the widest client area.
int ButtonWidth(int buttons, int widest) {
  if (RowWidth(buttons, kBoxButtonWidth) + 2 * kBoxMargin <= widest) return kBoxButtonWidth;
  return std::max(1, (widest - 2 * kBoxMargin - (buttons - 1) * kBoxButtonGap) / buttons);
}

}  // namespace

ui::Size LargestClient(ui::Size screen, uint32_t style) {
  ui::Rect insets = ui::FrameInsets(style);
  return {std::max(0, screen.cx - insets.left - insets.right), std::max(0, screen.cy - insets.top - insets.bottom)};
}

BoxTextLimits TextLimits(ui::DialogBaseUnits units, ui::Size icon, ui::Size largestClient, int lineHeight) {
  int widestUnits = PixelsToDialogUnitsX(largestClient.cx, units);
  int roomUnits = widestUnits - 2 * kBoxMargin - IconRoom(icon, units);
  int width = std::min(DialogUnitsToPixelsX(kBoxTextWidth, units), DialogUnitsToPixelsX(roomUnits, units) - kBoxTextPad);
  int tallestUnits = PixelsToDialogUnitsY(largestClient.cy, units) - 2 * kBoxMargin - kBelowBand;
  int lines = lineHeight > 0 ? DialogUnitsToPixelsY(tallestUnits, units) / lineHeight : 1;
  return {std::max(width, 1), std::max(lines, 1)};
}

BoxLayout LayOutBox(const BoxMeasures& m) {
  BoxLayout layout;
  int textWidth = PixelsToDialogUnitsX(m.text.cx + kBoxTextPad, m.units);
  int textHeight = PixelsToDialogUnitsY(m.text.cy, m.units);
  int band = std::max(textHeight + 2 * kBoxMargin, kBoxMinBand);
  int textLeft = kBoxMargin + IconRoom(m.icon, m.units);
  if (HasIcon(m.icon)) {
    int iconWidth = PixelsToDialogUnitsX(m.icon.cx, m.units);
    int iconHeight = PixelsToDialogUnitsY(m.icon.cy, m.units);
    int top = (band - iconHeight) / 2;
    layout.icon = {kBoxMargin, top, kBoxMargin + iconWidth, top + iconHeight};
  }
  int textTop = (band - textHeight) / 2;
  layout.text = {textLeft, textTop, textLeft + textWidth, textTop + textHeight};

  int widest = PixelsToDialogUnitsX(m.largestClient.cx, m.units);
  int buttons = std::max(m.buttons, 1);
  int buttonWidth = ButtonWidth(buttons, widest);
  int row = RowWidth(buttons, buttonWidth);
  layout.cx = std::max(textLeft + textWidth + kBoxMargin, row + 2 * kBoxMargin);
  layout.cx = std::min(layout.cx, std::max(widest, row + 2 * kBoxMargin));
  layout.cy = band + kBelowBand;
  int x = (layout.cx - row) / 2;
  for (int i = 0; i < buttons; ++i, x += buttonWidth + kBoxButtonGap) {
    layout.buttons.push_back({x, band, x + buttonWidth, band + kBoxButtonHeight});
  }
  return layout;
}

}  // namespace qor::win
