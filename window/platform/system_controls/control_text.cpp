#include "window/platform/system_controls/control_text.h"

#include "window/platform/draw/system_colors.h"

namespace qor::ui {

void DrawControlText(Hdc dc, std::string_view text, const Rect& rect, unsigned format) {
  Rect box = rect;
  int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawText(dc, text, &box, format);
  SetBkMode(dc, oldMode);
}

void DrawDisabledCaption(Hdc dc, std::string_view text, const Rect& rect, unsigned format) {
  ColorRef old = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawControlText(dc, text, rect.Offset(1, 1), format);
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawControlText(dc, text, rect, format);
  SetTextColor(dc, old);
}

Size MeasureCaption(Hdc dc, std::string_view text, unsigned format) {
  Rect box;
  DrawText(dc, text, &box, (format & DT_NOPREFIX) | DT_SINGLELINE | DT_CALCRECT);
  return {box.Width(), box.Height()};
}

}  // namespace qor::ui
