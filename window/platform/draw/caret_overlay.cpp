#include "window/platform/draw/caret_overlay.h"

#include <memory>

#include "window/platform/core/caret.h"
#include "window/platform/core/window.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui {

Region CaretOverlay(Hwnd top) {
  CaretInfo caret = GetCaretInfo();
  if (!caret.owner || !caret.blinkOn || GetTopLevel(caret.owner) != top) return {};
  Point origin = ClientOriginOnCanvas(caret.owner);
  Region overlay = VisibleRegion(caret.owner, false);
  overlay.Intersect(caret.rect.Offset(origin.x, origin.y));
  return overlay;
}

std::optional<uint64_t> NextCaretBlink() {
  CaretInfo caret = GetCaretInfo();
  if (!caret.owner || !caret.shown) return std::nullopt;
  return caret.nextBlink;
}

void CompositeCaret(Canvas& canvas, Hwnd top) {
  Region overlay = CaretOverlay(top);
  for (const Rect& part : overlay.Rects()) canvas.Invert(part);
}

bool WriteWindowPngWithCaret(Hwnd hwnd, const std::string& path, std::string* error) {
  std::shared_ptr<Canvas> canvas = WindowCanvas(hwnd);
  if (!canvas) {
    if (error) *error = "no such window";
    return false;
  }
  Canvas shown = *canvas;
  CompositeCaret(shown, GetTopLevel(hwnd));
  return WritePng(shown, path, error);
}

}  // namespace qor::ui
