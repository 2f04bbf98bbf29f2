// The cost of handing one message to its window, and of the round trips around it.
#include <benchmark/benchmark.h>

#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
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

}  // namespace
}  // namespace qor::ui

BENCHMARK_MAIN();
