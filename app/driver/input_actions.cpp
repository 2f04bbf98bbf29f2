#include "app/driver/input_actions.h"

#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/hosts/us_keyboard.h"

namespace qor::app::drv {

void MovePointer(ui::Point screen) { ui::HostMouseMove(screen); }

void LeftButton(bool down, ui::Point screen) {
  ui::HostMouseMove(screen);
  ui::HostMouseButton(ui::MouseButton::Left, down, screen);
}

void PressChord(const KeyChord& chord) {
  struct Modifier {
    bool held;
    uint32_t keyCode;
  };
  const Modifier modifiers[] = {{chord.ctrl, ui::VK_CONTROL}, {chord.alt, ui::VK_MENU}, {chord.shift, ui::VK_SHIFT}};
  for (const Modifier& modifier : modifiers) {
    if (modifier.held) ui::HostKey(modifier.keyCode, true, 0);
  }
  uint32_t character = chord.ctrl || chord.alt ? 0 : ui::UsKeyboardCharacter(chord.keyCode, chord.shift);
  ui::HostKey(chord.keyCode, true, character);
  ui::HostKey(chord.keyCode, false, 0);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
    if (it->held) ui::HostKey(it->keyCode, false, 0);
  }
}

void TypeBytes(std::string_view bytes) {
  for (char c : bytes) {
    bool shift = false;
    uint32_t keyCode = ui::UsKeyboardKeyFor(c, shift);
    ui::HostKey(keyCode, true, static_cast<unsigned char>(c));
    ui::HostKey(keyCode, false, 0);
  }
}

}  // namespace qor::app::drv
