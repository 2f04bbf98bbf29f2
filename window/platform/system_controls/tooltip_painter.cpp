#include "window/platform/system_controls/tooltip_painter.h"

#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/control_text.h"

namespace qor::ui {

namespace {
// Frame and margin between the window's edge and the text.
constexpr int kMarginX = 4;
constexpr int kMarginY = 2;
constexpr int kWrapWidthAt96 = 300;

// Lines break at words within the wrap width; a word wider than that sticks out.
unsigned TipFormat(bool prefix) { return DT_LEFT | DT_WORDBREAK | (prefix ? 0u : DT_NOPREFIX); }

}  // namespace

int ToolTipWrapWidth() { return MulDiv(kWrapWidthAt96, GetLogicalDpi(), 96); }

Size MeasureToolTipText(Hdc dc, std::string_view text, bool prefix) {
  Rect box{0, 0, ToolTipWrapWidth(), 0};
  DrawText(dc, text, &box, TipFormat(prefix) | DT_CALCRECT);
  return {box.Width(), box.Height()};
}

Size ToolTipSizeFor(Size text) { return {text.cx + 2 * kMarginX, text.cy + 2 * kMarginY}; }

void PaintToolTip(Hdc dc, const Rect& rect, std::string_view text, bool prefix) {
  FillRect(dc, rect, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(dc, rect, GetSysColorBrush(COLOR_WINDOWFRAME));
  ColorRef old = SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  // Laid out in the same width as it was measured in, so the lines break alike.
  Rect inside{rect.left + kMarginX, rect.top + kMarginY, rect.left + kMarginX + ToolTipWrapWidth(),
              rect.bottom - kMarginY};
  IntersectClipRect(dc, {rect.left + kMarginX, rect.top + kMarginY, rect.right - kMarginX, rect.bottom - kMarginY});
  DrawControlText(dc, text, inside, TipFormat(prefix));
  SetTextColor(dc, old);
}

}  // namespace qor::ui
