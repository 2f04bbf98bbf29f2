// The cost of handing one message to its window, of the round trips around it, and of
// looking at an idle queue while many windows are hidden.
#include <benchmark/benchmark.h>

#include <vector>

#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"

namespace qor::ui {
namespace {

LResult CountingProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  static uint64_t counted = 0;
  if (message == WM_USER) return static_cast<LResult>(++counted);
  return DefWindowProc(hwnd, message, wParam, lParam);
}

Hwnd BenchWindow() {
  static Hwnd window = [] {
    RegisterClass(WindowClass{"BenchWindow", CountingProc});
    CreateParams params;
    params.className = "BenchWindow";
    params.style = WS_POPUP;
    return CreateWindow(params);
  }();
  return window;
}

void BM_DispatchMessage(benchmark::State& state) {
  Msg msg;
  msg.hwnd = BenchWindow();
  msg.message = WM_USER;
  for (auto _ : state) benchmark::DoNotOptimize(DispatchMessage(msg));
}
BENCHMARK(BM_DispatchMessage);

void BM_SendMessage(benchmark::State& state) {
  Hwnd window = BenchWindow();
  for (auto _ : state) benchmark::DoNotOptimize(SendMessage(window, WM_USER, 0, 0));
}
BENCHMARK(BM_SendMessage);

// Post, read and dispatch: one turn of a message loop.
void BM_PostPeekDispatch(benchmark::State& state) {
  Hwnd window = BenchWindow();
  Msg msg;
  for (auto _ : state) {
    PostMessage(window, WM_USER, 0, 0);
    PeekMessage(msg);
    benchmark::DoNotOptimize(DispatchMessage(msg));
  }
}
BENCHMARK(BM_PostPeekDispatch);

// An idle look at the queue: 190 windows (a visible top-level window, 129 visible children,
// 60 hidden children that were invalidated while shown and again while hidden), all
// painting done, nothing posted.
void BM_IdlePeekWith60HiddenChildren(benchmark::State& state) {
  BenchWindow();  // registers the class
  Hwnd main = CreateWindow("BenchWindow", "", WS_POPUP | WS_VISIBLE, {0, 0, 800, 600});
  std::vector<Hwnd> hidden;
  for (int i = 0; i < 189; ++i) {
    int x = (i % 20) * 40, y = (i / 20) * 40;
    Hwnd child = CreateWindow("BenchWindow", "", WS_CHILD | WS_VISIBLE, {x, y, x + 30, y + 30}, main);
    if (i % 3 == 0 && hidden.size() < 60) hidden.push_back(child);
  }
  for (Hwnd child : hidden) {
    InvalidateRect(child, nullptr, true);
    ShowWindow(child, SW_HIDE);
    InvalidateRect(child, nullptr, true);
  }
  Msg msg;
  while (PeekMessage(msg, Hwnd{}, 0, 0, PM_REMOVE)) DispatchMessage(msg);
  for (auto _ : state) benchmark::DoNotOptimize(PeekMessage(msg, Hwnd{}, 0, 0, PM_NOREMOVE));
  DestroyWindow(main);
}
BENCHMARK(BM_IdlePeekWith60HiddenChildren);

}  // namespace
}  // namespace qor::ui

BENCHMARK_MAIN();
