#include "window/platform/control_text.h"

#include <string>

#include "window/platform/font.h"
#include "window/platform/system_colors.h"

namespace qor::ui {

namespace {

std::string WithoutMarks(std::string_view text, bool prefix) {
  if (!prefix) return std::string(text);
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

}  // namespace

Size MeasureCaption(Hdc dc, std::string_view text, bool prefix) {
  Size size;
  GetTextExtentPoint32(dc, WithoutMarks(text, prefix), &size);
  return size;
}

void DrawCaption(Hdc dc, std::string_view text, const Rect& rect, const CaptionFormat& format) {
  std::string shown = WithoutMarks(text, format.prefix);
  Size size;
  GetTextExtentPoint32(dc, shown, &size);
  int x = rect.left;
  if (format.align == TextAlign::Center) x = rect.left + (rect.Width() - size.cx) / 2;
  if (format.align == TextAlign::Right) x = rect.right - size.cx;
  int y = format.verticalCenter ? rect.top + (rect.Height() - size.cy) / 2 : rect.top;
  int oldMode = SetBkMode(dc, TRANSPARENT);
  TextOut(dc, x, y, shown);
  SetBkMode(dc, oldMode);
}

void DrawDisabledCaption(Hdc dc, std::string_view text, const Rect& rect, const CaptionFormat& format) {
  ColorRef old = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawCaption(dc, text, rect.Offset(1, 1), format);
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawCaption(dc, text, rect, format);
  SetTextColor(dc, old);
}

}  // namespace qor::ui
