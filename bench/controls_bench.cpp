// Repainting a window of real controls: an 800 by 500 top-level window holding 100 push
// buttons (one the default, one focused), 19 static texts and a group box, drawn by the
// system classes with their captions. Every turn invalidates the whole tree and pumps
// the paint messages.
#include <benchmark/benchmark.h>

#include <string>

#include "window/platform/core/focus.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/static_control.h"
#include "window/platform/system_controls/system_classes.h"

namespace qor::ui {
namespace {

void BM_RepaintWindowWith120Controls(benchmark::State& state) {
  HeadlessHost host;
  RegisterSystemClasses();
  WindowClass frame{"BenchControlsFrame", DefWindowProc};
  frame.background = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClass(frame);
  Hwnd main = CreateWindow("BenchControlsFrame", "", WS_POPUP | WS_VISIBLE, {0, 0, 800, 500});
  CreateWindow(kButtonClass, "Number", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, {4, 4, 796, 496}, main);
  for (int i = 0; i < 119; ++i) {
    int x = 10 + (i % 10) * 78, y = 20 + (i / 10) * 39;
    Rect at{x, y, x + 72, y + 30};
    if (i % 6 == 5) {
      CreateWindow(kStaticClass, "Group 1 - G1:", WS_CHILD | WS_VISIBLE | SS_LEFT, at, main);
    } else {
      uint32_t type = i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      Hwnd button = CreateWindow(kButtonClass, "V3 = &BTS", WS_CHILD | WS_VISIBLE | type, at, main);
      if (i == 1) SetFocus(button);
    }
  }
  host.Pump();
  for (auto _ : state) {
    InvalidateTree(main);
    host.Pump();
  }
  DestroyWindow(main);
  UnregisterClass("BenchControlsFrame");
}
BENCHMARK(BM_RepaintWindowWith120Controls)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qor::ui

BENCHMARK_MAIN();
