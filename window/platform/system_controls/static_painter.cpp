#include "window/platform/system_controls/static_painter.h"

#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/control_text.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::ui {

namespace {

unsigned FormatFor(uint32_t style) {
  uint32_t type = style & SS_TYPEMASK;
  unsigned format = DT_EXPANDTABS;
  format |= type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
  if (type != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

}  // namespace

void PaintStatic(Hdc dc, const StaticLook& look, BrushHandle background) {
  FillRect(dc, look.rect, background);
  if ((look.style & SS_TYPEMASK) == SS_ICON) return;
  unsigned format = FormatFor(look.style);
  if (look.enabled) {
    DrawControlText(dc, look.text, look.rect, format);
  } else {
    ColorRef old = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawControlText(dc, look.text, look.rect, format);
    SetTextColor(dc, old);
  }
}

}  // namespace qor::ui
