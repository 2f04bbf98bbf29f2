#pragma once
// One real window for a top-level window of the core.
//
// A window with a caption gets the desktop's own frame and title bar (its window manager
// moves, closes and stacks it, as users of this desktop expect), and shows the client
// area of the core's canvas; the frame the core reserves for it is not shown. A window
// without a caption (pop-ups, tool tips) is undecorated and shows the whole canvas,
// including any border the core drew.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/hosts/sdl/sdl_input.h"

namespace qor::ui {

class DesktopWindow {
 public:
  // Makes a hidden real window for `hwnd`; null (with the reason) if SDL cannot.
  static std::unique_ptr<DesktopWindow> Create(Hwnd hwnd, std::string* error);
  ~DesktopWindow();
  DesktopWindow(const DesktopWindow&) = delete;
  DesktopWindow& operator=(const DesktopWindow&) = delete;

  Hwnd Handle() const { return hwnd_; }
  SDL_Window* Sdl() const { return window_; }
  uint32_t SdlId() const { return SDL_GetWindowID(window_); }
  // The part of the canvas the real window shows.
  Rect ShownRect() const;
  ShownWindow Placement() const;

  // Follows the core's window: title (when `titleChanged`), place, size, visibility.
  void Sync(bool titleChanged);
  void Hide();
  // Puts the canvas on the screen.
  void Present();
  // What the display shows in the window, read back from it.
  std::optional<Canvas> ReadBack() const;

 private:
  DesktopWindow(Hwnd hwnd, SDL_Window* window, bool decorated);
  Point ScreenOrigin() const;

  Hwnd hwnd_;
  SDL_Window* window_;
  bool decorated_;
  bool shown_ = false;
  Point origin_;
  Size size_;
  float scale_ = 1;
};

}  // namespace qor::ui
