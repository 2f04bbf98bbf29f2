#pragma once
// One command of a driver script, as the script reader checked it: every number is in
// its range and names a control of the right kind, texts are already in the window's
// code page, and file names end in ".png". The executor can carry each one out as it is.
#include <cstdint>
#include <string>
#include <vector>

namespace qor::app::drv {

enum class CommandKind { Press, Hold, Spin, Type, Key, Wait, Read, Tip, Color, Prop, Focus, State, Heap, Shot, Shown, Close };

// A key with its modifiers, as a script names it ("Ctrl+Shift+Tab").
struct KeyChord {
  uint32_t keyCode = 0;  // VK_*
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool operator==(const KeyChord&) const = default;
};

struct Command {
  CommandKind kind = CommandKind::Close;
  int line = 0;              // where the script gives it, from 1
  int32_t control = 0;       // N
  uint32_t milliseconds = 0; // hold, wait
  bool up = false;           // spin: the up arrow (else the down one)
  uint32_t count = 1;        // spin: clicks
  uint32_t property = 0;     // prop: 0x0..0xFFFF
  KeyChord key;              // key
  std::string text;          // type: code-page bytes; shot, shown: the file name
};

struct Script {
  std::string name;  // as given ("-" for standard input)
  std::vector<Command> commands;
};

}  // namespace qor::app::drv
