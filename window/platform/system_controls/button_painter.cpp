#include "window/platform/system_controls/button_painter.h"

#include <algorithm>

#include "window/platform/draw/edges.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/style_painter.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/control_text.h"

namespace qor::ui {

namespace {

Rect Inset(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Space between the caption of a group box and the frame's left end, and around it.
constexpr int kGroupCaptionIndent = 8;
constexpr int kGroupCaptionPadding = 2;

}  // namespace

Rect PushButtonFocusRect(const ButtonLook& look) { return Inset(look.rect, look.isDefault ? 4 : 3); }

void PaintPushButton(Hdc dc, const ButtonLook& look) {
  BevelState state{look.pushed, look.hot, look.isDefault, look.enabled};
  Rect textArea = PaintButtonBevel(dc, look.rect, look.style, state);
  unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (look.enabled) {
    ColorRef old = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawControlText(dc, look.caption, textArea, format);
    SetTextColor(dc, old);
  } else {
    DrawDisabledCaption(dc, look.caption, textArea, format);
  }
  if (look.focused) DrawFocusRect(dc, PushButtonFocusRect(look));
}

void PaintGroupBox(Hdc dc, const ButtonLook& look, BrushHandle background) {
  TextMetrics metrics;
  GetTextMetrics(dc, &metrics);
  Rect frame = look.rect;
  frame.top = std::min(frame.bottom, frame.top + metrics.height / 2);
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (look.caption.empty()) return;
  unsigned format = DT_LEFT | DT_SINGLELINE;
  Size size = MeasureCaption(dc, look.caption, format);
  Rect band{look.rect.left + kGroupCaptionIndent, look.rect.top,
            look.rect.left + kGroupCaptionIndent + size.cx + 2 * kGroupCaptionPadding, look.rect.top + metrics.height};
  FillRect(dc, band, background);
  Rect textArea = band;
  textArea.left += kGroupCaptionPadding;
  if (look.enabled) {
    DrawControlText(dc, look.caption, textArea, format);
  } else {
    ColorRef old = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawControlText(dc, look.caption, textArea, format);
    SetTextColor(dc, old);
  }
}

}  // namespace qor::ui
