// The tester's timing pass against its goal of at most 100 us: ApplyButtonTiming over
// field numbers 1 to 121 of the open tester window (the runtime's own control kinds),
// reading each control's type and giving each of the 63 buttons its immediate flag,
// repeat delay and repeat interval, all through the window manager's property calls.
//
//   build/bin/timing_pass_bench
#include <benchmark/benchmark.h>

#include "app/tester/tester_timing.h"
#include "app/tester_state.h"
#include "bench/tester_window.h"
#include "framework/window_manager/window_primitives.h"
#include "window/controls/standard_kinds.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/window_lifecycle.h"

namespace {

void TimingPassOverTheTestersControls(benchmark::State& state) {
  qor::ui::HeadlessHost host;
  qor::win::bench::TesterWindow tester(qor::win::RegisterStandardControlKinds);
  qor::win::OpenWindow(tester.get());
  qor::app::TesterState tester_state;
  qor::fw::RuntimeWindowPrimitives window;
  int32_t counter = 0;
  for (auto _ : state) {
    qor::app::ApplyButtonTiming(tester_state, counter, window);
    benchmark::DoNotOptimize(counter);
  }
  if (counter < 121) state.SkipWithError("the pass did not reach field 121");
}
BENCHMARK(TimingPassOverTheTestersControls)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
