// Repainting a whole window: an 800 by 500 top-level window with 120 button-like children,
// each erased with its class background, given a raised 3-D edge and a one-word label.
// Every turn invalidates the whole tree and pumps the paint messages.
#include <benchmark/benchmark.h>

#include "window/platform/core/invalidation.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/edges.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/hosts/headless_host.h"

namespace qor::ui {
namespace {

LResult ButtonLikeProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message != WM_PAINT) return DefWindowProc(hwnd, message, wParam, lParam);
  PaintStruct paint;
  Hdc dc = BeginPaint(hwnd, &paint);
  Rect rect = GetClientRect(hwnd);
  DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  SetBkMode(dc, TRANSPARENT);
  TextOut(dc, rect.left + 4, rect.top + 2, "Shift");
  EndPaint(hwnd, &paint);
  return 0;
}

void BM_RepaintWindowWith120Children(benchmark::State& state) {
  HeadlessHost host;
  WindowClass frame{"BenchFrame", DefWindowProc};
  frame.background = GetSysColorBrush(COLOR_BTNFACE);
  WindowClass button{"BenchButton", ButtonLikeProc};
  button.background = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClass(frame);
  RegisterClass(button);
  Hwnd main = CreateWindow("BenchFrame", "", WS_POPUP | WS_VISIBLE, {0, 0, 800, 500});
  for (int i = 0; i < 120; ++i) {
    int x = 10 + (i % 10) * 78, y = 10 + (i / 10) * 40;
    CreateWindow("BenchButton", "", WS_CHILD | WS_VISIBLE, {x, y, x + 72, y + 32}, main);
  }
  host.Pump();
  for (auto _ : state) {
    InvalidateTree(main);
    host.Pump();
  }
  DestroyWindow(main);
  UnregisterClass("BenchButton");
  UnregisterClass("BenchFrame");
}
BENCHMARK(BM_RepaintWindowWith120Children)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qor::ui

BENCHMARK_MAIN();
