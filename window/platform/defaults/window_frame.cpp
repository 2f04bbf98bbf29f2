#include "window/platform/defaults/window_frame.h"

#include <algorithm>
#include <string>

#include "window/platform/core/focus.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/edges.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/resources/icon.h"
#include "window/platform/resources/stock_icons.h"

namespace qor::ui {


namespace {

constexpr int kCloseBoxWidth = 16;
constexpr int kCloseBoxMargin = 2;  // around the close box, inside the bar
constexpr int kTextGap = 2;         // between the icon (or the bar's edge) and the text

bool HasCaption(uint32_t style) { return (style & WS_CAPTION) == WS_CAPTION; }

// The caption's font: 8-point bold, made once.
FontHandle CaptionFont() {
  static FontHandle font = CreateFontIndirect(LogFont{-11, FW_BOLD, false, "MS Sans Serif"});
  return font;
}

void DrawBorder(Hdc dc, Rect rect, uint32_t style, bool active) {
  if (style & (WS_THICKFRAME | WS_DLGFRAME)) {
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
    int lines = (style & WS_THICKFRAME) ? Metrics().sizingFrame - 2 : Metrics().dialogFrame - 2;
    int color = (style & WS_THICKFRAME) ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE;
    for (int i = 0; i < lines; ++i) {
      FrameRect(dc, rect, GetSysColorBrush(color));
      rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
  } else if (style & WS_BORDER) {
    FrameRect(dc, rect, GetSysColorBrush(COLOR_WINDOWFRAME));
  }
}

// The close box: a small raised button with a cross.
void DrawCloseBox(Hdc dc, Rect box) {
  Rect inside = box;
  DrawEdge(dc, &inside, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  int size = std::min(box.Width(), box.Height()) / 2 - 1;
  int left = box.left + (box.Width() - size) / 2 - 1;
  int top = box.top + (box.Height() - size) / 2 - 1;
  ColorRef ink = GetSysColor(COLOR_BTNTEXT);
  for (int i = 0; i < size; ++i) {
    for (int thick = 0; thick < 2; ++thick) {
      SetPixel(dc, left + i + thick, top + i, ink);
      SetPixel(dc, left + size - 1 - i + thick, top + i, ink);
    }
  }
}

void DrawCaptionBar(Hdc dc, Hwnd hwnd, const CaptionLayout& layout, bool active) {
  FillSolid(dc, layout.bar, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  FillSolid(dc, {layout.bar.left, layout.bar.bottom, layout.bar.right, layout.bar.bottom + 1}, GetSysColor(COLOR_BTNFACE));
  if (!layout.icon.IsEmpty()) {
    IconHandle icon = GetClassIcon(hwnd);
    if (icon == IconHandle::None) icon = LoadIcon(nullptr, IDI_APPLICATION);
    DrawIconEx(dc, layout.icon.left, layout.icon.top, icon, kSmallIconSize, kSmallIconSize);
  }
  if (!layout.closeBox.IsEmpty()) DrawCloseBox(dc, layout.closeBox);
  FontHandle font = CaptionFont();
  if (!font || layout.text.IsEmpty()) return;
  Region saved = dc->clip;
  IntersectClipRect(dc, layout.text);
  FontHandle before = SelectFont(dc, font);
  TextMetrics metrics;
  GetTextMetrics(dc, &metrics);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  TextOut(dc, layout.text.left, layout.text.top + (layout.text.Height() - metrics.height) / 2, StoredWindowText(hwnd));
  SelectFont(dc, before);
  dc->clip = saved;
}

}  // namespace

CaptionLayout GetCaptionLayout(Hwnd hwnd) {
  uint32_t style = GetWindowStyle(hwnd);
  if (!HasCaption(style)) return {};
  Rect window = GetWindowRect(hwnd);
  Rect insets = FrameInsets(style);
  int edge = insets.left;
  CaptionLayout layout;
  layout.bar = {edge, edge, window.Width() - edge, insets.top - 1};
  int barHeight = layout.bar.Height();
  int textLeft = layout.bar.left + kTextGap;
  int textRight = layout.bar.right - kTextGap;
  if ((style & WS_SYSMENU) && !(GetWindowExStyle(hwnd) & WS_EX_DLGMODALFRAME)) {
    int top = layout.bar.top + (barHeight - kSmallIconSize) / 2;
    layout.icon = {layout.bar.left + 1, top, layout.bar.left + 1 + kSmallIconSize, top + kSmallIconSize};
    textLeft = layout.icon.right + kTextGap;
  }
  if (style & WS_SYSMENU) {
    int right = layout.bar.right - kCloseBoxMargin;
    layout.closeBox = {right - kCloseBoxWidth, layout.bar.top + kCloseBoxMargin, right,
                       layout.bar.bottom - kCloseBoxMargin + 1};
    textRight = layout.closeBox.left - kTextGap;
  }
  layout.text = {textLeft, layout.bar.top, std::max(textLeft, textRight), layout.bar.bottom};
  return layout;
}

void DrawWindowFrame(Hwnd hwnd) {
  uint32_t style = GetWindowStyle(hwnd);
  Rect insets = FrameInsets(style);
  if (insets == Rect{}) return;
  Hdc dc = GetWindowDC(hwnd);
  if (!dc) return;
  if (!dc->clip.IsEmpty()) {
    bool active = GetActiveWindow() == hwnd;
    Rect window = GetWindowRect(hwnd);
    DrawBorder(dc, {0, 0, window.Width(), window.Height()}, style, active);
    if (HasCaption(style)) DrawCaptionBar(dc, hwnd, GetCaptionLayout(hwnd), active);
  }
  ReleaseDC(hwnd, dc);
}

}  // namespace qor::ui
