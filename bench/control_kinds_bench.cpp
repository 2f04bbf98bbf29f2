// Creating the tester's 121 controls with the runtime's own kinds (buttons, prompts,
// strings, the group box, and the entry and spin kinds where registered): opening the
// tester's stored window, its classes and fonts made once before, so each turn is the
// frame window and every control window with its class procedure, font, automatic size
// and tool tip. Goal: 5 ms. The anchor: the same window opened with plain child windows
// standing in for every control.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/ratio_table.h"
#include "bench/tester_window.h"
#include "window/controls/standard_kinds.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {

void OpenRepeatedly(benchmark::State& state, bool ownKinds) {
  ui::HeadlessHost host;
  bench::TesterWindow tester(ownKinds ? RegisterStandardControlKinds : std::function<void()>{});
  OpenWindow(tester.get());
  CloseWindow(tester.get());
  for (auto _ : state) {
    OpenWindow(tester.get());
    state.PauseTiming();
    CloseWindow(tester.get());
    state.ResumeTiming();
  }
}

void BM_CreateTesterControls(benchmark::State& state) { OpenRepeatedly(state, true); }
BENCHMARK(BM_CreateTesterControls)->Unit(benchmark::kMillisecond);

void BM_OpenWithPlainStandIns(benchmark::State& state) { OpenRepeatedly(state, false); }
BENCHMARK(BM_OpenWithPlainStandIns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qor::win

int main(int argc, char** argv) {
  return qor::bench::RunWithGoals(argc, argv, {{"BM_CreateTesterControls", 5e6}, {"BM_OpenWithPlain", 5e6}});
}
