#include "window/platform/system_controls/tooltip_painter.h"

#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/control_text.h"

namespace qor::ui {

namespace {
// Frame and margin between the window's edge and the text.
constexpr int kMarginX = 4;
constexpr int kMarginY = 2;
}  // namespace

Size ToolTipSizeFor(Size text) { return {text.cx + 2 * kMarginX, text.cy + 2 * kMarginY}; }

void PaintToolTip(Hdc dc, const Rect& rect, std::string_view text, bool prefix) {
  FillRect(dc, rect, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(dc, rect, GetSysColorBrush(COLOR_WINDOWFRAME));
  ColorRef old = SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  Rect inside{rect.left + kMarginX, rect.top + kMarginY, rect.right - kMarginX, rect.bottom - kMarginY};
  DrawControlText(dc, text, inside, DT_LEFT | DT_SINGLELINE | (prefix ? 0u : DT_NOPREFIX));
  SetTextColor(dc, old);
}

}  // namespace qor::ui
