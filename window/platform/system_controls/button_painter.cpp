#include "window/platform/system_controls/button_painter.h"

#include <algorithm>

#include "window/platform/draw/edges.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/style_painter.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/resources/icon.h"
#include "window/platform/system_controls/control_text.h"

namespace qor::ui {

namespace {

Rect Inset(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Space between the caption of a group box and the frame's left end, and around it.
constexpr int kGroupCaptionIndent = 8;
constexpr int kGroupCaptionPadding = 2;

// Between an icon and its caption.
constexpr int kIconGap = 4;

int Centred(int from, int length, int room) { return from + std::max(0, (room - length) / 2); }

void DrawCaption(Hdc dc, const ButtonLook& look, const Rect& area, unsigned format) {
  if (look.enabled) {
    ColorRef old = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawControlText(dc, look.caption, area, format);
    SetTextColor(dc, old);
  } else {
    DrawDisabledCaption(dc, look.caption, area, format);
  }
}

bool Sideways(IconPlace place) { return place == IconPlace::kLeft || place == IconPlace::kRight; }
int GapBeside(Size caption) { return caption.cx > 0 ? kIconGap : 0; }

}  // namespace

Size ButtonFaceExtent(Size icon, Size caption, IconPlace place) {
  int gap = GapBeside(caption);
  if (Sideways(place)) return {icon.cx + gap + caption.cx, std::max(icon.cy, caption.cy)};
  return {std::max(icon.cx, caption.cx), icon.cy + gap + caption.cy};
}

ButtonFace LayOutButtonFace(const Rect& area, Size icon, Size caption, IconPlace place) {
  bool iconFirst = place == IconPlace::kLeft || place == IconPlace::kAbove;
  int gap = GapBeside(caption);
  Size extent = ButtonFaceExtent(icon, caption, place);
  ButtonFace face;
  if (Sideways(place)) {
    int start = Centred(area.left, extent.cx, area.Width());
    int iconLeft = iconFirst ? start : start + caption.cx + gap;
    int captionLeft = iconFirst ? start + icon.cx + gap : start;
    int iconTop = Centred(area.top, icon.cy, area.Height());
    face.icon = {iconLeft, iconTop, iconLeft + icon.cx, iconTop + icon.cy};
    face.caption = {captionLeft, area.top, captionLeft + caption.cx, area.bottom};
  } else {
    int start = Centred(area.top, extent.cy, area.Height());
    int iconTop = iconFirst ? start : start + caption.cy + gap;
    int captionTop = iconFirst ? start + icon.cy + gap : start;
    int iconLeft = Centred(area.left, icon.cx, area.Width());
    face.icon = {iconLeft, iconTop, iconLeft + icon.cx, iconTop + icon.cy};
    face.caption = {area.left, captionTop, area.right, captionTop + caption.cy};
  }
  return face;
}

Rect PushButtonFocusRect(const ButtonLook& look) { return Inset(look.rect, look.isDefault ? 4 : 3); }

void PaintPushButton(Hdc dc, const ButtonLook& look) {
  BevelState state{look.pushed, look.hot, look.isDefault, look.enabled};
  Rect textArea = PaintButtonBevel(dc, look.rect, look.style, state);
  unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (look.icon != IconHandle::None) {
    Size caption = look.caption.empty() ? Size{} : MeasureCaption(dc, look.caption, format);
    ButtonFace face =
        LayOutButtonFace(textArea, {kSmallIconSize, kSmallIconSize}, caption, look.iconPlace);
    DrawIconEx(dc, face.icon.left, face.icon.top, look.icon, kSmallIconSize, kSmallIconSize);
    textArea = face.caption;
  }
  DrawCaption(dc, look, textArea, format);
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
