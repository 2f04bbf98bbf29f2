#pragma once
// Test support for message boxes on the headless host: scheduled input while the box
// runs, and a readable picture of what the box shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "window/platform/hosts/headless_host.h"
#include "window/platform/core/types.h"

namespace qor::win::testing {

// One control of the box: "button 6 &Yes", "static 2704", "static -1 Save?".
struct ShownControl {
  std::string kind;
  intptr_t id = 0;
  std::string text;
  ui::Rect place;  // pixels, in the box's client area
  bool looksDefault = false;
};

struct ShownBox {
  std::string title;
  std::vector<ShownControl> controls;
  ui::Rect window;  // on the screen
  ui::Rect client;
  std::string focus;  // the focused control's text
  // The buttons as "ID:TEXT|ID:TEXT" and the one that looks like the default.
  std::string Row() const;
  std::string DefaultLook() const;
  const ShownControl* Find(intptr_t id) const;
};

class BoxTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs `step` 10 ms after the previous one (the first 10 ms from now).
  void Then(std::function<void()> step);
  void ThenPress(uint32_t key) {
    Then([this, key] { host.Press(key); });
  }
  void ThenShifted(uint32_t key) { ThenWith(0x10, key); }
  void ThenAlt(uint32_t key) { ThenWith(0x12, key); }
  void ThenWith(uint32_t modifier, uint32_t key);
  void ThenClick(intptr_t id);
  // Notes what the box shows at this step.
  void ThenLook(ShownBox& into);
  // The box now running on this thread (the active window).
  static ShownBox Look();

  ui::HeadlessHost host;
  uint64_t next_ = 0;
};

}  // namespace qor::win::testing
