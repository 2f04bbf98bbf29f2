#include "window/platform/hosts/sdl/sdl_input.h"

#include <cmath>
#include <string>

#include "os/ansi_utf8.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/hosts/sdl/sdl_keys.h"

namespace qor::ui {
namespace {

std::optional<MouseButton> ButtonOf(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

bool IsModifier(uint32_t code) { return code == VK_SHIFT || code == VK_CONTROL || code == VK_MENU || code == VK_CAPITAL; }

void PostCharacter(uint8_t character) {
  Hwnd target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (target) PostMessage(target, WM_CHAR, character, 1);
}

}  // namespace

std::optional<Point> SdlInput::ScreenPoint(uint32_t windowId, int x, int y) {
  std::optional<ShownWindow> shown = finder_(windowId);
  if (!shown) return std::nullopt;
  return Point{shown->origin.x + static_cast<int>(std::floor(x * shown->scale)),
               shown->origin.y + static_cast<int>(std::floor(y * shown->scale))};
}

bool SdlInput::Handle(const SDL_Event& event) {
  if (event.type != SDL_TEXTINPUT) Flush();
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (auto at = ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y)) HostMouseMove(*at);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      auto button = ButtonOf(event.button.button);
      auto at = ScreenPoint(event.button.windowID, event.button.x, event.button.y);
      if (button && at) HostMouseButton(*button, event.type == SDL_MOUSEBUTTONDOWN, *at);
      return true;
    }
    case SDL_KEYDOWN:
      KeyDown(event.key);
      return true;
    case SDL_KEYUP:
      if (uint32_t code = KeyCodeFromSdl(event.key.keysym.sym, event.key.keysym.scancode)) HostKey(code, false, 0);
      return true;
    case SDL_TEXTINPUT:
      Text(event.text.text);
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_LEAVE) PointerLeft();
      return false;  // the host still sees its window's events
    default:
      return false;
  }
}

// SDL reports no motion outside its windows, so the core would go on seeing the pointer
// where it was last: a flat button would stay lit and a tip stay up. When the pointer
// leaves with no mouse button held, the core sees it at a point no window covers. With
// a button held SDL keeps reporting where the pointer goes, and the press ends where it
// really is.
void SdlInput::PointerLeft() {
  if ((MouseKeyFlags() & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0) return;
  HostMouseMove(kPointerOutside);
}

void SdlInput::KeyDown(const SDL_KeyboardEvent& key) {
  uint32_t code = KeyCodeFromSdl(key.keysym.sym, key.keysym.scancode);
  if (code == 0) return;
  bool control = (key.keysym.mod & KMOD_CTRL) != 0;
  if (IsModifier(code) || ControlCharacterOf(code) != 0) {
    HostKey(code, true, control ? 0 : ControlCharacterOf(code));
    return;
  }
  pendingKey_ = code;
}

void SdlInput::Text(const char* utf8) {
  std::string ansi = os::Utf8ToAnsi(utf8, '\0');
  size_t next = 0;
  if (pendingKey_) {
    uint8_t first = ansi.empty() ? 0 : static_cast<uint8_t>(ansi[0]);
    HostKey(*pendingKey_, true, first);
    pendingKey_.reset();
    next = 1;
  }
  for (; next < ansi.size(); ++next) {
    if (ansi[next] != '\0') PostCharacter(static_cast<uint8_t>(ansi[next]));
  }
}

void SdlInput::Flush() {
  if (!pendingKey_) return;
  HostKey(*pendingKey_, true, 0);
  pendingKey_.reset();
}

}  // namespace qor::ui
