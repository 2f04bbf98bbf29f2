#pragma once
// Input as a user gives it, reported to the windowing core the way a host reports it, so
// that the same calls drive the headless and the desktop host. Each call only queues
// the input; the caller lets the loop handle it.
#include <string_view>

#include "app/driver/script_command.h"
#include "window/platform/core/types.h"

namespace qor::app::drv {

void MovePointer(ui::Point screen);
void LeftButton(bool down, ui::Point screen);
// A chord in three parts, each to be handled before the next (a window reads the state
// of the modifiers as it handles the key): its modifiers down; its key down and up,
// typing the key's character on a US keyboard when neither Ctrl nor Alt is held; the
// modifiers up again.
void ChordModifiers(const KeyChord& chord, bool down);
void ChordKey(const KeyChord& chord);
// Each byte typed as a character (a key that carries it), whatever the byte.
void TypeBytes(std::string_view bytes);

}  // namespace qor::app::drv
