// One press of "V1 = BROL ( V1 , V2 )" (control 81, V2 = 1) in the running tester on the
// headless host: from the mouse going down until the accept loop waits again with its
// queue empty, the 32 bound controls redisplayed and the window repainted.
//
// The benchmark runs inside the program: the first time the tester's accept loop goes
// idle it runs the benchmarks, each press handled by a nested accept loop over the
// tester's own handlers, which ends when the loop is idle again. Then the window closes.
#include <benchmark/benchmark.h>

#include "app/tester/tester_program.h"
#include "app/tester_state.h"
#include "bench/ratio_table.h"
#include "framework/window_manager/window_manager.h"
#include "framework/window_manager/window_primitives.h"
#include "window/detail/window_object.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/record_walk.h"

namespace qor::app {
namespace {

constexpr int32_t kRotateLeft = 81;
// Posted by the idle hook to end a nested loop; no handler knows it.
constexpr uint32_t kIdleAgain = 0xFFFF;

ui::HeadlessHost* host = nullptr;
bool pressing = false;
int benchArgc = 0;
char** benchArgv = nullptr;

ui::Point CentreOf(const win::Window& window, int32_t control) {
  ui::Point centre{};
  win::ForEachControlRecord(window.record, [&](const win::ControlRecord& record) {
    if (record.number != control) return;
    const ui::Rect at = ui::DialogRectToPixels(
        {record.at.x, record.at.y, record.at.x + record.at.width, record.at.y + record.at.height}, window.units);
    centre = {(at.left + at.right) / 2, (at.top + at.bottom) / 2};
  });
  return centre;
}

// Handles everything the press causes, through the tester's handlers, until idle.
void HandleUntilIdle(fw::WindowManager& manager) {
  fw::RuntimeWindowPrimitives runtime;
  pressing = true;
  runtime.Accept([&manager] {
    if (win::CurrentEvent() == kIdleAgain) return fw::TurnOutcome::Leave;
    const uint8_t level = manager.HandleEvent();
    if (level == fw::kLevelFatal) return fw::TurnOutcome::Leave;
    return level == fw::kLevelNotify ? fw::TurnOutcome::SkipDefault : fw::TurnOutcome::Proceed;
  });
  pressing = false;
}

void BM_PressRotateLeft(benchmark::State& state) {
  win::Window& window = *RunningTesterWindow();
  fw::WindowManager& manager = *RunningTesterManager();
  TesterState& tester = *RunningTesterState();
  tester.V2.U = 1;
  const ui::Point centre = CentreOf(window, kRotateLeft);
  // One press first, to know it reaches the button: V1 = 1 turns into 2.
  tester.V1.U = 1;
  host->MouseDown(window.handle, centre);
  host->MouseUp(window.handle, centre);
  HandleUntilIdle(manager);
  if (tester.V1.U != 2) {
    state.SkipWithError("the press did not reach button 81");
    return;
  }
  for (auto _ : state) {
    host->MouseDown(window.handle, centre);
    host->MouseUp(window.handle, centre);
    host->MouseMove(window.handle, {-1, -1});
    HandleUntilIdle(manager);
  }
}
BENCHMARK(BM_PressRotateLeft)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(false);

void AtIdle() {
  if (pressing) {
    // A post from the loop's own thread does not wake it: a platform message does.
    win::PostEvent(kIdleAgain, 0);
    ui::PostMessage(RunningTesterWindow()->handle, ui::WM_NULL, 0, 0);
    return;
  }
  static bool ran = false;
  if (ran) return;
  ran = true;
  bench::RunWithGoals(benchArgc, benchArgv, {{"BM_PressRotateLeft", 1e6}});
  RequestClose();
}

}  // namespace
}  // namespace qor::app

int main(int argc, char** argv) {
  static qor::ui::HeadlessHost host;
  qor::app::host = &host;
  qor::app::benchArgc = argc;
  qor::app::benchArgv = argv;
  qor::app::ProgramAdditions additions;
  additions.seed = 1;
  additions.atIdle = qor::app::AtIdle;
  qor::app::RunTesterProgram(additions);
}
