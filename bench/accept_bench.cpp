// The accept loop's costs on the tester's window, with a plain child window standing in
// for each of its 121 controls and its 32 use variables bound:
//   PostEvent plus one Accept turn (the 32 bound variables compared before the wait);
//   opening and closing the window (warm: classes and fonts made once before);
//   waiting through a 5-second window timer on the real clock (processor time only).
// After the usual table it prints each figure (processor time, best run) against its goal.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

constexpr char kStandInClass[] = "QorBenchStandIn";

std::unique_ptr<Control> MakeStandIn(Window& owner, const ControlRecord& record) {
  auto control = std::make_unique<Control>(owner, record);
  ui::Rect at = ui::DialogRectToPixels({record.at.x, record.at.y, record.at.x + record.at.width,
                                        record.at.y + record.at.height},
                                       control->OwnerUnits());
  control->SetHandle(ui::CreateWindow(kStandInClass, "", ui::WS_CHILD | ui::WS_VISIBLE, at, control->OwnerHandle(),
                                      0x4000 + record.number));
  return control;
}

// The tester's window prepared with variables of its records' types and sizes.
class TesterWindow {
 public:
  TesterWindow() {
    static const bool once = [] {
      res::RegisterWindowDefinitions(os::ExecutableModule());
      ui::RegisterClass(ui::WindowClass{kStandInClass, ui::DefWindowProc});
      return true;
    }();
    (void)once;
    for (int type = 0; type < 256; ++type) {
      if (LayoutOf(static_cast<uint8_t>(type)) && type != layout::kTypeWindow) {
        RegisterControlKind(static_cast<uint8_t>(type), MakeStandIn);
      }
    }
    uint32_t at = LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW");
    WindowRecord record = DecodeWindow(CurrentDefinition(), at);
    std::vector<UseVariable> uses;
    ForEachControlRecord(record, [&](const ControlRecord& control) {
      if (!control.use) return;
      storage_.emplace_back(control.use->byteSize);
      uses.push_back({storage_.back().data(), control.use->typeCode, control.use->byteSize});
    });
    window_ = PrepareWindow("kzt_asm$KZT_A001", "P1$WINDOW", uses);
  }
  ~TesterWindow() {
    ReleaseWindow(window_);
    ClearControlKinds();
  }
  Window* get() const { return window_; }

 private:
  std::deque<std::vector<uint8_t>> storage_;
  Window* window_ = nullptr;
};

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

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      double ns = run.GetAdjustedCPUTime() * Nanoseconds(run.time_unit);
      double& best = bestNs_[run.benchmark_name()];
      if (best == 0 || ns < best) best = ns;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %8s\n", "figure", "ns", "goal ns", "ratio");
    for (const auto& [name, ns] : bestNs_) {
      double goal = Goal(name);
      std::printf("%-40s %14.1f %14.1f %8.2f\n", name.c_str(), ns, goal, ns / goal);
    }
  }

 private:
  static double Nanoseconds(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      case benchmark::kSecond: return 1e9;
      default: return 1;
    }
  }
  static double Goal(const std::string& name) {
    if (name.starts_with("BM_PostEvent")) return 500;
    if (name.starts_with("BM_OpenTester")) return 2e6;
    if (name.starts_with("BM_CloseTester")) return 1e6;
    return 1e6;  // the 5-second wait: under 1 ms of processor time
  }

  std::map<std::string, double> bestNs_;
};

}  // namespace
}  // namespace qor::win

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qor::win::GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
