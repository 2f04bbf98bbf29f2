// Creating the tester's 121 controls with the runtime's own kinds (buttons, prompts,
// strings, the group box, and the entry and spin kinds where registered): opening the
// tester's stored window, its classes and fonts made once before, so each turn is the
// frame window and every control window with its class procedure, font, automatic size
// and tool tip. Goal: 5 ms. The anchor: the same window opened with plain child windows
// standing in for every control.
#include <benchmark/benchmark.h>

#include <deque>
#include <memory>
#include <vector>

#include "bench/ratio_table.h"
#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "window/controls/control_kinds.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/load_window_definition.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {

constexpr char kPlainClass[] = "QorBenchPlain";

std::unique_ptr<Control> MakePlain(Window& owner, const ControlRecord& record) {
  auto control = std::make_unique<Control>(owner, record);
  ui::Rect at = ui::DialogRectToPixels({record.at.x, record.at.y, record.at.x + record.at.width,
                                        record.at.y + record.at.height},
                                       control->OwnerUnits());
  control->SetHandle(ui::CreateWindow(kPlainClass, "", ui::WS_CHILD | ui::WS_VISIBLE, at, control->OwnerHandle(),
                                      0x4000 + record.number));
  return control;
}

class TesterWindow {
 public:
  explicit TesterWindow(bool ownKinds) {
    static const bool once = [] {
      res::RegisterWindowDefinitions(os::ExecutableModule());
      ui::RegisterClass(ui::WindowClass{kPlainClass, ui::DefWindowProc});
      return true;
    }();
    (void)once;
    ClearControlKinds();
    for (int type = 0; type < 256; ++type) {
      if (LayoutOf(static_cast<uint8_t>(type)) && type != layout::kTypeWindow) {
        RegisterControlKind(static_cast<uint8_t>(type), MakePlain);
      }
    }
    if (ownKinds) RegisterStandardControlKinds();
    WindowRecord record = DecodeWindow(CurrentDefinition(), LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW"));
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

void OpenRepeatedly(benchmark::State& state, bool ownKinds) {
  ui::HeadlessHost host;
  TesterWindow tester(ownKinds);
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
