#include "window/platform/static_painter.h"

#include "window/platform/control_text.h"
#include "window/platform/drawing.h"
#include "window/platform/static_control.h"
#include "window/platform/system_colors.h"

namespace qor::ui {

namespace {

CaptionFormat FormatFor(uint32_t style) {
  CaptionFormat format;
  uint32_t type = style & SS_TYPEMASK;
  format.align = type == SS_CENTER ? TextAlign::Center : type == SS_RIGHT ? TextAlign::Right : TextAlign::Left;
  format.wordWrap = type != SS_LEFTNOWORDWRAP;
  format.prefix = (style & SS_NOPREFIX) == 0;
  return format;
}

}  // namespace

void PaintStatic(Hdc dc, const StaticLook& look, BrushHandle background) {
  FillRect(dc, look.rect, background);
  if ((look.style & SS_TYPEMASK) == SS_ICON) return;
  CaptionFormat format = FormatFor(look.style);
  if (look.enabled) {
    DrawCaption(dc, look.text, look.rect, format);
  } else {
    ColorRef old = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawCaption(dc, look.text, look.rect, format);
    SetTextColor(dc, old);
  }
}

}  // namespace qor::ui
