#include "app/driver/input_actions.h"

#include <utility>

#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/hosts/us_keyboard.h"

namespace qor::app::drv {

void MovePointer(ui::Point screen) { ui::HostMouseMove(screen); }

void LeftButton(bool down, ui::Point screen) {
  ui::HostMouseMove(screen);
  ui::HostMouseButton(ui::MouseButton::Left, down, screen);
}

void ChordModifiers(const KeyChord& chord, bool down) {
  const std::pair<bool, uint32_t> modifiers[] = {
      {chord.ctrl, ui::VK_CONTROL}, {chord.alt, ui::VK_MENU}, {chord.shift, ui::VK_SHIFT}};
  for (const auto& [held, keyCode] : modifiers) {
    if (held) ui::HostKey(keyCode, down, 0);
  }
}

void ChordKey(const KeyChord& chord) {
  uint32_t character = chord.ctrl || chord.alt ? 0 : ui::UsKeyboardCharacter(chord.keyCode, chord.shift);
  ui::HostKey(chord.keyCode, true, character);
  ui::HostKey(chord.keyCode, false, 0);
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
