#pragma once
// Test support for the system controls: a visible recorder window "main" to hold them,
// controls whose every message is logged too (a logging procedure in front of the
// control's own), and pixel reading on the main window's canvas.
#include <string>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/draw/color.h"

namespace qor::ui::testing {

using Sequence = std::vector<std::string>;

class ControlTest : public PlatformTest {
 protected:
  void SetUp() override;

  // A child control of `main`, named in the log and logged.
  Hwnd MakeControl(const char* className, const std::string& name, uint32_t style, Rect at, intptr_t id);
  // The colour at a point of a control's client area, as it stands on the canvas.
  ColorRef PixelOf(Hwnd control, int x, int y);
  // The smallest rectangle (client coordinates) holding every pixel of `area` that is not
  // `background`; empty for none.
  Rect InkIn(Hwnd control, Rect area, ColorRef background);

  Hwnd main;
};

}  // namespace qor::ui::testing
