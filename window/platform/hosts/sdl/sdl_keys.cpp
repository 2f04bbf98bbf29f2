#include "window/platform/hosts/sdl/sdl_keys.h"

#include "window/platform/core/keys.h"

namespace qor::ui {
namespace {

struct KeyPair {
  SDL_Keycode symbol;
  uint32_t code;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},     {SDLK_TAB, VK_TAB},          {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},    {SDLK_LSHIFT, VK_SHIFT},     {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},      {SDLK_RCTRL, VK_CONTROL},    {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},          {SDLK_PAUSE, VK_PAUSE},      {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_ESCAPE, VK_ESCAPE},      {SDLK_SPACE, VK_SPACE},      {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},      {SDLK_END, VK_END},          {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},          {SDLK_UP, VK_UP},            {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},          {SDLK_INSERT, VK_INSERT},    {SDLK_DELETE, VK_DELETE},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},  {SDLK_KP_DIVIDE, VK_DIVIDE}, {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},    {SDLK_COMMA, VK_OEM_COMMA},  {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},  {SDLK_SLASH, VK_OEM_2},      {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4},  {SDLK_BACKSLASH, VK_OEM_5},  {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

// Keys whose symbol is a character the core has no code for (an umlaut, say) take the
// code of the US key in the same place.
constexpr struct {
  SDL_Scancode place;
  uint32_t code;
} kPlaces[] = {
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},     {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},   {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},        {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},   {SDL_SCANCODE_BACKSLASH, VK_OEM_5},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6}, {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
};

uint32_t FunctionKey(SDL_Keycode symbol) {
  if (symbol >= SDLK_F1 && symbol <= SDLK_F12) return VK_F1 + static_cast<uint32_t>(symbol - SDLK_F1);
  if (symbol >= SDLK_F13 && symbol <= SDLK_F24) return VK_F12 + 1 + static_cast<uint32_t>(symbol - SDLK_F13);
  return 0;
}

uint32_t KeypadDigit(SDL_Keycode symbol) {
  if (symbol >= SDLK_KP_1 && symbol <= SDLK_KP_9) return VK_NUMPAD0 + 1 + static_cast<uint32_t>(symbol - SDLK_KP_1);
  if (symbol == SDLK_KP_0) return VK_NUMPAD0;
  return 0;
}

}  // namespace

uint32_t KeyCodeFromSdl(SDL_Keycode symbol, SDL_Scancode place) {
  if (symbol >= 'a' && symbol <= 'z') return static_cast<uint32_t>(symbol - 'a' + 'A');
  if (symbol >= '0' && symbol <= '9') return static_cast<uint32_t>(symbol);
  if (uint32_t code = FunctionKey(symbol)) return code;
  if (uint32_t code = KeypadDigit(symbol)) return code;
  for (const KeyPair& k : kNamedKeys) {
    if (k.symbol == symbol) return k.code;
  }
  for (const auto& p : kPlaces) {
    if (p.place == place) return p.code;
  }
  // A letter or digit key of another layout whose symbol is neither still has a place.
  if (place >= SDL_SCANCODE_A && place <= SDL_SCANCODE_Z) return 'A' + static_cast<uint32_t>(place - SDL_SCANCODE_A);
  if (place >= SDL_SCANCODE_1 && place <= SDL_SCANCODE_9) return '1' + static_cast<uint32_t>(place - SDL_SCANCODE_1);
  if (place == SDL_SCANCODE_0) return '0';
  return 0;
}

uint32_t ControlCharacterOf(uint32_t keyCode) {
  switch (keyCode) {
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 0x1B;
    default: return 0;
  }
}

}  // namespace qor::ui
