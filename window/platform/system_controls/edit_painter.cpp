#include "window/platform/system_controls/edit_painter.h"

#include <algorithm>
#include <utility>

#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/style_painter.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

namespace {

constexpr int kWellWidth = 2;
constexpr int kMargin = 1;  // between the well (or the edge) and the text

void DrawRun(Hdc dc, const EditLook& look, Point start, size_t from, size_t to) {
  if (from >= to) return;
  TextOut(dc, start.x + look.positions->X(from), start.y, look.text.substr(from, to - from));
}

}  // namespace

Rect EditTextArea(const Rect& client, bool border, EditMargins margins) {
  int in = (border ? kWellWidth : 0) + kMargin;
  int innermost = std::max(client.left + in, client.right - in);
  int left = std::min(client.left + in + std::max(0, margins.left), innermost);
  int right = std::max(left, client.right - in - std::max(0, margins.right));
  return {left, client.top + (border ? kWellWidth : 0), right, client.bottom - (border ? kWellWidth : 0)};
}

int EditLineTop(const Rect& textArea, int lineHeight) { return textArea.top + (textArea.Height() - lineHeight) / 2; }

void PaintEdit(Hdc dc, const EditLook& look) {
  Rect inside = look.border ? PaintSunkenWell(dc, look.rect) : look.rect;
  FillRect(dc, inside, look.background);
  if (!look.positions) return;
  TextMetrics metrics;
  GetTextMetrics(dc, &metrics);
  Rect area = EditTextArea(look.rect, look.border, look.margins);
  Region clip = dc->clip;
  IntersectClipRect(dc, area);
  Point start{area.left + look.textX, EditLineTop(area, metrics.height)};
  int mode = SetBkMode(dc, TRANSPARENT);
  ColorRef textColor = look.enabled ? dc->textColor : GetSysColor(COLOR_GRAYTEXT);
  ColorRef old = SetTextColor(dc, textColor);
  size_t from = std::min(look.selectionStart, look.text.size());
  size_t to = std::min(look.selectionEnd, look.text.size());
  DrawRun(dc, look, start, 0, from);
  DrawRun(dc, look, start, to, look.text.size());
  if (from < to) {
    int left = start.x + look.positions->X(from);
    int right = start.x + look.positions->X(to);
    FillSolid(dc, {left, start.y, right, start.y + metrics.height}, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    DrawRun(dc, look, start, from, to);
  }
  SetTextColor(dc, old);
  SetBkMode(dc, mode);
  dc->clip = std::move(clip);
}

}  // namespace qor::ui
