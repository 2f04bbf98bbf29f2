#pragma once
// Which control numbers of the tester's window are buttons, entries and spin boxes: what
// a script may press, type into and spin. Read from the stored window definition the
// program itself opens, so a script is checked against the window it will drive.
#include <cstdint>
#include <set>

namespace qor::app::drv {

struct ControlSets {
  std::set<int32_t> buttons;
  std::set<int32_t> entries;  // entries and spin boxes: what takes typed text
  std::set<int32_t> spins;
  int32_t lastControl = 0;    // the highest control number
};

// The sets of the tester's window (kzt_asm$KZT_A001, P1$WINDOW); empty sets when the
// definition cannot be found, which the program's own build rules out.
const ControlSets& TesterControlSets();

}  // namespace qor::app::drv
