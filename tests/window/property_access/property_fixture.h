#pragma once
// Property calls as generated code makes them, on a headless window: the selector and
// value pushed on the value stack, the answer popped from it. The window holds a button
// (1), a prompt (2), a group (3) holding a button (4) and a group (5) that holds a
// prompt (6).
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/window/support/runtime_fixture.h"
#include "window/properties/property_result.h"

namespace qor::win::testing {

class PropertyTest : public WindowRuntimeTest {
 protected:
  void SetUp() override;

  // The window above, opened.
  Window* OpenSample();

  // Get: the answer as the value stack gives it.
  static std::string Get(int32_t control, int32_t number, int32_t index = 0, intptr_t target = 0);
  static std::string GetNamed(int32_t control, std::string_view selector, int32_t index = 0);
  // Set, integer entry: the value pushed as text; the outcome kept.
  static PropertyResult Set(int32_t control, int32_t number, std::string_view value, int32_t index = 0,
                            intptr_t target = 0);
  // Set, string entry.
  static PropertyResult SetString(int32_t control, int32_t number, std::string_view value);
  // Set, integer entry, with the selector as given.
  static PropertyResult SetNamed(int32_t control, std::string_view selector, std::string_view value);

  Window* window = nullptr;
};

// For run-time errors: each death test runs again from its start in a new process, so
// the child has the window the test opened on its own thread; the error texts are there.
class PropertyDeathTest : public PropertyTest {
 protected:
  void SetUp() override;
};

}  // namespace qor::win::testing
