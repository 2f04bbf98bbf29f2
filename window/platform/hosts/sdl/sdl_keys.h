#pragma once
// SDL's keys as the core's key codes (VK_*), and the characters the keys that type
// control characters give.
#include <SDL.h>

#include <cstdint>

namespace qor::ui {

// The key code for a key; 0 for keys the core has no code for. The layout's symbol
// decides where it names a key the core knows (letters on any layout), the key's place
// on a US keyboard otherwise.
uint32_t KeyCodeFromSdl(SDL_Keycode symbol, SDL_Scancode place);
// Enter, Backspace, Tab and Escape type their control character; SDL gives no text for
// them. 0 for other keys.
uint32_t ControlCharacterOf(uint32_t keyCode);

}  // namespace qor::ui
