#pragma once
// SDL's mouse, keyboard and text events as the core's input. SDL reports a key and the
// text it types as two events; the core wants them as one key-down that carries its
// character (for TranslateMessage). So a key-down waits for the event after it: text
// becomes the key's character, anything else hands the key on without one. Text that no
// key announced (an input method, a compose sequence) is posted as WM_CHAR. Text is
// turned into code page 1252; characters the page lacks are left out.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "window/platform/core/types.h"

namespace qor::ui {

// A real window as the input side sees it: the core's top-level window, the core's
// screen position of the real window's top-left pixel, and real pixels per SDL point.
struct ShownWindow {
  Hwnd hwnd;
  Point origin;
  float scale = 1;
};
using ShownWindowFinder = std::function<std::optional<ShownWindow>(uint32_t sdlWindowId)>;

// Where the core sees a pointer that has left every real window.
inline constexpr Point kPointerOutside{-32768, -32768};

class SdlInput {
 public:
  explicit SdlInput(ShownWindowFinder finder) : finder_(std::move(finder)) {}

  // Hands an input event to the core; false for events that are not input. The pointer
  // leaving a window is also read here, and still answers false for the host.
  bool Handle(const SDL_Event& event);
  // Hands on a key-down still waiting for its text (call when the event queue is empty).
  void Flush();

 private:
  std::optional<Point> ScreenPoint(uint32_t windowId, int x, int y);
  void PointerLeft();
  void KeyDown(const SDL_KeyboardEvent& key);
  void Text(const char* utf8);

  ShownWindowFinder finder_;
  std::optional<uint32_t> pendingKey_;
};

}  // namespace qor::ui
