#include "window/platform/draw/draw_text.h"

#include "window/platform/draw/font.h"
#include "window/platform/draw/primitives.h"

namespace qor::ui {

namespace {

int WidthOf(Hdc dc, std::string_view text) {
  Size size;
  return GetTextExtentPoint32(dc, text, &size) ? size.cx : 0;
}

// Each line's cell is filled first in OPAQUE mode (tab gaps included), then its pieces
// drawn over it, then the mnemonic underlines.
void PaintLines(Hdc dc, const TextLayout& layout, Point at, const TextMetrics& metrics) {
  UnderlineStroke stroke;
  GetUnderlineStroke(dc, &stroke);
  const int mode = SetBkMode(dc, TRANSPARENT);
  for (const TextLine& line : layout.lines) {
    Point start{at.x + line.x, at.y + line.y};
    if (mode == OPAQUE) {
      FillSolid(dc, {start.x, start.y, start.x + line.width, start.y + metrics.height}, dc->backColor);
    }
    for (const TextPiece& piece : line.pieces) TextOut(dc, start.x + piece.x, start.y, piece.text);
    for (const TextUnderline& mark : line.underlines) {
      int left = start.x + mark.x;
      int top = start.y + stroke.top;
      FillSolid(dc, {left, top, left + mark.width, top + stroke.thickness}, dc->textColor);
    }
  }
  SetBkMode(dc, mode);
}

}  // namespace

int DrawText(Hdc dc, std::string_view text, Rect* rect, unsigned format) {
  TextMetrics metrics;
  if (!dc || !rect || !GetTextMetrics(dc, &metrics)) return 0;
  TextMeasure measure{[dc](std::string_view run) { return WidthOf(dc, run); }, metrics.height,
                      metrics.averageCharWidth};
  TextLayout layout = LayoutText(text, {rect->Width(), rect->Height()}, format, measure);
  if (format & DT_CALCRECT) {
    rect->right = rect->left + layout.extent.cx;
    rect->bottom = rect->top + layout.extent.cy;
    return layout.extent.cy;
  }
  Region clip = dc->clip;
  if (!(format & DT_NOCLIP)) IntersectClipRect(dc, *rect);
  PaintLines(dc, layout, {rect->left, rect->top}, metrics);
  dc->clip = std::move(clip);
  return layout.drawnBottom;
}

}  // namespace qor::ui
