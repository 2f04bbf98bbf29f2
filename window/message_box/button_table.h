#pragma once
// The buttons a message box can show, in the order that decides the layout and the
// default: the standard table of eight, and tables made from a caller's own texts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::win {

struct BoxButton {
  uint32_t bit = 0;          // what the box returns when it is pressed
  intptr_t id = 0;           // its control id
  std::string text;
  bool overridable = false;  // the caption may come from a message override
};
using ButtonTable = std::vector<BoxButton>;

inline constexpr size_t kMaxBoxButtons = 8;
inline constexpr intptr_t kFirstCustomButtonId = 100;
// The override of the n-th standard caption is message 32512 + n.
inline constexpr int32_t kButtonCaptionMessage = 32512;

// OK, Yes, No, Abort, Retry, Ignore, Cancel, Help with ids 1, 6, 7, 3, 4, 5, 2, 9.
const ButtonTable& StandardButtons();

// A table from texts separated by "|" (at most eight; later ones are ignored). The
// n-th text gets bit 1 << (n - 1). A text equal to a standard one (compared exactly)
// takes that entry's id, unless an earlier text took it already; every other text,
// the empty one included, takes the next id from 100 on. Never overridable.
ButtonTable CustomButtons(std::string_view list);

// The caption a button shows: its override when it may have one and a non-empty one
// is set (read straight from the override list), else its own text.
std::string ButtonCaption(const BoxButton& button, size_t index);

}  // namespace qor::win
