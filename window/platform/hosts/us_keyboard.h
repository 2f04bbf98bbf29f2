#pragma once
// The US keyboard layout, for hosts that get key codes without characters and for
// scripted typing.
#include <cstdint>

namespace qor::ui {

// The character a key types, 0 for none.
uint32_t UsKeyboardCharacter(uint32_t keyCode, bool shift);
// The key that types a character (0 for none), and whether Shift is needed.
uint32_t UsKeyboardKeyFor(char character, bool& shift);

}  // namespace qor::ui
