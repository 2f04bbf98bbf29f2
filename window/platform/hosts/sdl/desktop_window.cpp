#include "window/platform/hosts/sdl/desktop_window.h"

#include "os/ansi_utf8.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/caret_overlay.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/sdl/window_readback.h"

namespace qor::ui {
namespace {

bool HasCaption(uint32_t style) { return (style & WS_CAPTION) == WS_CAPTION; }

uint32_t SdlFlagsFor(uint32_t style, uint32_t exStyle) {
  uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  if (!HasCaption(style)) flags |= SDL_WINDOW_BORDERLESS;
  if (style & WS_THICKFRAME) flags |= SDL_WINDOW_RESIZABLE;
  if (exStyle & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  if ((style & WS_POPUP) && !HasCaption(style)) flags |= SDL_WINDOW_SKIP_TASKBAR;
  if ((style & WS_POPUP) && !HasCaption(style) && (exStyle & WS_EX_TOPMOST)) flags |= SDL_WINDOW_TOOLTIP;
  return flags;
}

int Points(int pixels, float scale) { return scale > 1 ? static_cast<int>(pixels / scale + 0.5f) : pixels; }

}  // namespace

std::unique_ptr<DesktopWindow> DesktopWindow::Create(Hwnd hwnd, std::string* error) {
  uint32_t style = GetWindowStyle(hwnd);
  bool decorated = HasCaption(style);
  std::string title = os::AnsiToUtf8(GetWindowText(hwnd));
  SDL_Window* window = SDL_CreateWindow(title.c_str(), 0, 0, 1, 1, SdlFlagsFor(style, GetWindowExStyle(hwnd)));
  if (!window) {
    if (error) *error = SDL_GetError();
    return nullptr;
  }
  return std::unique_ptr<DesktopWindow>(new DesktopWindow(hwnd, window, decorated));
}

DesktopWindow::DesktopWindow(Hwnd hwnd, SDL_Window* window, bool decorated)
    : hwnd_(hwnd), window_(window), decorated_(decorated) {
  int points = 0;
  int pixels = 0;
  SDL_GetWindowSize(window_, &points, nullptr);
  SDL_GetWindowSizeInPixels(window_, &pixels, nullptr);
  if (points > 0 && pixels > points) scale_ = static_cast<float>(pixels) / points;
}

DesktopWindow::~DesktopWindow() { SDL_DestroyWindow(window_); }

Rect DesktopWindow::ShownRect() const {
  if (decorated_) return ClientRectOnCanvas(hwnd_);
  Rect whole = GetWindowRect(hwnd_);
  return {0, 0, whole.Width(), whole.Height()};
}

Point DesktopWindow::ScreenOrigin() const {
  Rect whole = GetWindowRect(hwnd_);
  Rect shown = ShownRect();
  return {whole.left + shown.left, whole.top + shown.top};
}

ShownWindow DesktopWindow::Placement() const { return ShownWindow{hwnd_, ScreenOrigin(), scale_}; }

void DesktopWindow::Sync(bool titleChanged) {
  if (titleChanged) SDL_SetWindowTitle(window_, os::AnsiToUtf8(GetWindowText(hwnd_)).c_str());
  Rect shown = ShownRect();
  Size size{shown.Width(), shown.Height()};
  if (size != size_ && size.cx > 0 && size.cy > 0) {
    SDL_SetWindowSize(window_, Points(size.cx, scale_), Points(size.cy, scale_));
    size_ = size;
  }
  Point origin = ScreenOrigin();
  if (origin != origin_ || !shown_) {
    SDL_SetWindowPosition(window_, Points(origin.x, scale_), Points(origin.y, scale_));
    origin_ = origin;
  }
  if (!shown_) {
    SDL_ShowWindow(window_);
    shown_ = true;
  }
}

void DesktopWindow::Hide() {
  if (!shown_) return;
  SDL_HideWindow(window_);
  shown_ = false;
}

void DesktopWindow::Present() {
  std::shared_ptr<Canvas> canvas = WindowCanvas(hwnd_);
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!canvas || !target || canvas->Width() == 0 || canvas->Height() == 0) return;
  // The caret is inverted over a copy of the canvas, never into the canvas itself.
  Canvas withCaret;
  Canvas* shownCanvas = canvas.get();
  if (!CaretOverlay(hwnd_).IsEmpty()) {
    withCaret = *canvas;
    CompositeCaret(withCaret, hwnd_);
    shownCanvas = &withCaret;
  }
  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormatFrom(shownCanvas->Row(0), shownCanvas->Width(), shownCanvas->Height(), 32,
                                         shownCanvas->Width() * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!source) return;
  SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
  Rect shown = ShownRect();
  SDL_Rect from{shown.left, shown.top, shown.Width(), shown.Height()};
  if (target->w == from.w && target->h == from.h) {
    SDL_BlitSurface(source, &from, target, nullptr);
  } else {
    SDL_BlitScaled(source, &from, target, nullptr);
  }
  SDL_FreeSurface(source);
  SDL_UpdateWindowSurface(window_);
}

std::optional<Canvas> DesktopWindow::ReadBack() const { return ReadWindowPixels(window_); }

}  // namespace qor::ui
