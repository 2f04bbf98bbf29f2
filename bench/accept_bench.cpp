// The accept loop's costs on the tester's window, with a plain child window standing in
// for each of its 121 controls and its 32 use variables bound:
//   PostEvent plus one Accept turn (the 32 bound variables compared before the wait);
//   opening and closing the window (warm: classes and fonts made once before);
//   waiting through a 5-second window timer on the real clock (processor time only).
// The anchor: eight turns of a plain platform message loop (post, peek, dispatch).
// After the usual table it prints each figure (processor time, best run) against its goal.
#include <benchmark/benchmark.h>

#include <deque>
#include <memory>
#include <vector>

#include "bench/ratio_table.h"
#include "bench/tester_window.h"
#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "window/accept/accept.h"
#include "window/controls/control_kinds.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/load_window_definition.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

using bench::TesterWindow;

int LeaveAtOnce() { return kTurnLeave; }

void BM_PostEventAndOneAcceptTurn(benchmark::State& state) {
  ui::HeadlessHost host;
  TesterWindow tester;
  OpenWindow(tester.get());
  SetWindowTimer(*tester.get(), 0);
  // Take OpenWindow and GainFocus, and show every variable once.
  Accept([] { return CurrentEvent() == event::GainFocus ? kTurnLeave : kTurnDone; });
  for (auto _ : state) {
    PostEvent(event::Accepted, 1);
    Accept(LeaveAtOnce);
  }
  CloseWindow(tester.get());
}
BENCHMARK(BM_PostEventAndOneAcceptTurn);

void BM_EightPlatformTurns(benchmark::State& state) {
  ui::HeadlessHost host;
  if (!ui::GetClassInfo("BenchTurns")) ui::RegisterClass(ui::WindowClass{"BenchTurns", ui::DefWindowProc});
  ui::Hwnd window = ui::CreateWindow("BenchTurns", "", ui::WS_POPUP, {0, 0, 10, 10});
  ui::Msg msg;
  for (auto _ : state) {
    for (int turn = 0; turn < 8; ++turn) {
      ui::PostMessage(window, ui::WM_USER, 0, 0);
      ui::PeekMessage(msg);
      benchmark::DoNotOptimize(ui::DispatchMessage(msg));
    }
  }
  ui::DestroyWindow(window);
}
BENCHMARK(BM_EightPlatformTurns);

void BM_OpenTesterWindow(benchmark::State& state) {
  ui::HeadlessHost host;
  TesterWindow tester;
  OpenWindow(tester.get());
  CloseWindow(tester.get());
  for (auto _ : state) {
    OpenWindow(tester.get());
    state.PauseTiming();
    CloseWindow(tester.get());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenTesterWindow)->Unit(benchmark::kMillisecond);

void BM_CloseTesterWindow(benchmark::State& state) {
  ui::HeadlessHost host;
  TesterWindow tester;
  for (auto _ : state) {
    state.PauseTiming();
    OpenWindow(tester.get());
    state.ResumeTiming();
    CloseWindow(tester.get());
  }
}
BENCHMARK(BM_CloseTesterWindow)->Unit(benchmark::kMillisecond);

// The real clock: one loop turn that sleeps until the window timer falls due.
void BM_WaitThroughFiveSecondTimer(benchmark::State& state) {
  TesterWindow tester;
  OpenWindow(tester.get());
  SetWindowTimer(*tester.get(), 0);
  Accept([] { return CurrentEvent() == event::GainFocus ? kTurnLeave : kTurnDone; });
  for (auto _ : state) {
    SetWindowTimer(*tester.get(), 500);
    Accept([] { return CurrentEvent() == event::Timer ? kTurnLeave : kTurnDone; });
  }
  CloseWindow(tester.get());
}
BENCHMARK(BM_WaitThroughFiveSecondTimer)->Iterations(1)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qor::win

int main(int argc, char** argv) {
  return qor::bench::RunWithGoals(argc, argv,
                                  {{"BM_PostEvent", 500},     // eight platform turns of 65 ns
                                   {"BM_EightPlatform", 520},
                                   {"BM_OpenTester", 2e6},
                                   {"BM_CloseTester", 1e6},
                                   {"BM_WaitThrough", 1e6}});  // under 1 ms of processor time
}
