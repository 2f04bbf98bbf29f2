#pragma once
// Test support for the entry and spin kinds: windows whose entry and spin records make
// real fields (other kinds stay stand-ins), scripts of user actions at virtual times, and
// a loop that logs one line per event ("<ms> <EVENT:Name> <control>", a rejection with
// " at <position>").
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/window/support/runtime_fixture.h"
#include "window/controls/entry_control.h"
#include "window/controls/spin_control.h"

namespace qor::win::testing {

using Seq = std::vector<std::string>;
using Script = std::vector<std::pair<uint64_t, std::function<void()>>>;

ControlRecord Field(int32_t number, const std::string& picture, uint8_t typeCode, uint32_t size, uint32_t flags = 0);
ControlRecord SpinBox(int32_t number, const std::string& picture, uint8_t typeCode, uint32_t size, double low,
                      double high, double step = 0);

class EntryTest : public WindowRuntimeTest {
 protected:
  void SetUp() override;

  // Prepares and opens a window of these records over the given variables.
  Window* Open(const std::vector<ControlRecord>& records, std::vector<UseVariable> uses);
  EntryControl* EntryOf(int32_t number) const;
  SpinControl* SpinOf(int32_t number) const;
  ui::Hwnd FieldOf(int32_t number) const;

  // Runs the loop while each step runs at its time (ms after the loop starts); the loop
  // leaves 50 ms after the last step.
  void Run(const Script& script);
  // The events of the loop without the opening ones.
  Seq After() const;

  Window* window = nullptr;
};

// Variables laid out as the tests need them.
template <typename T>
UseVariable Use(T& variable, uint8_t typeCode) {
  return UseVariable{&variable, typeCode, sizeof(T)};
}
inline UseVariable UseText(char* text, uint32_t size) { return UseVariable{text, 18, size}; }

}  // namespace qor::win::testing
