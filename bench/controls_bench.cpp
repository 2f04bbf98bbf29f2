// Real controls at work. Repainting a window: an 800 by 500 top-level window holding 100
// push buttons (one the default, one focused), 19 static texts and a group box, drawn by
// the system classes with their captions; every turn invalidates the whole tree and
// pumps the paint messages. A keystroke in a text field, handled and repainted. And the
// fonts such a window makes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "window/platform/core/focus.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/platform/system_controls/static_control.h"
#include "window/platform/system_controls/system_classes.h"

namespace qor::ui {
namespace {

constexpr const char* kFrameClass = "BenchControlsFrame";

// The 800 by 500 window the controls stand in, on the button face.
Hwnd MakeFrame() {
  RegisterSystemClasses();
  WindowClass frame{kFrameClass, DefWindowProc};
  frame.background = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClass(frame);
  return CreateWindow(kFrameClass, "", WS_POPUP | WS_VISIBLE, {0, 0, 800, 500});
}

void DestroyFrame(Hwnd main) {
  DestroyWindow(main);
  UnregisterClass(kFrameClass);
}

void BM_RepaintWindowWith120Controls(benchmark::State& state) {
  HeadlessHost host;
  Hwnd main = MakeFrame();
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
  DestroyFrame(main);
}
BENCHMARK(BM_RepaintWindowWith120Controls)->Unit(benchmark::kMillisecond);

// One keystroke in a 90-character text field, from the host's key to the repainted field:
// key down, character and key up dispatched, the text measured again, the caret moved and
// the field painted. Turns alternate between typing a digit in the middle and taking it
// out again with Backspace, so the text stays 90 characters long.
void BM_KeystrokeInA90CharacterField(benchmark::State& state) {
  HeadlessHost host;
  Hwnd main = MakeFrame();
  std::string text;
  for (int i = 0; i < 90; ++i) text += static_cast<char>('0' + i % 10);
  Hwnd field = CreateWindow(kEditClass, text, WS_CHILD | WS_VISIBLE | WS_BORDER, {10, 10, 610, 32}, main);
  SetFocus(field);
  SendMessage(field, EM_SETSEL, 45, 45);
  host.Pump();
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      host.Press(VK_BACK);
    } else {
      host.Press('5');
    }
    typed = !typed;
    host.Pump();
  }
  DestroyFrame(main);
}
BENCHMARK(BM_KeystrokeInA90CharacterField)->Unit(benchmark::kMicrosecond);

// The fonts of a window of 121 controls, each made from the same description (as the
// window runtime makes one per control) and all held until the window goes.
void BM_Create121EqualFonts(benchmark::State& state) {
  LogFont description{-11, FW_NORMAL, false, "MS Sans Serif"};
  for (auto _ : state) {
    std::vector<FontHandle> fonts;
    for (int i = 0; i < 121; ++i) fonts.push_back(CreateFontIndirect(description));
    benchmark::DoNotOptimize(fonts.data());
  }
}
BENCHMARK(BM_Create121EqualFonts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qor::ui

BENCHMARK_MAIN();
