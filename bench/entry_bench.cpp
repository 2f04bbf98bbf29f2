// The entry and spin kinds on the tester's window (its entries and spin boxes real, its
// other controls plain child windows, its 32 variables bound):
//   a keystroke in the 90-character G1 field, handled and repainted;
//   accepting an edited numeric field: check, store, format and repaint;
//   DisplayFields over the 32 bound fields with nothing changed, and with all changed.
// After the usual table it prints each figure (processor time, best run) against its goal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "bench/ratio_table.h"
#include "bench/tester_window.h"
#include "window/accept/accept.h"
#include "window/accept/field_updates.h"
#include "window/controls/control_kinds.h"
#include "window/controls/entry_control.h"
#include "window/controls/spin_control.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/windows/window_lifecycle.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

void RegisterFieldKinds() {
  RegisterControlKind(layout::kTypeEntry, MakeEntryControl);
  RegisterControlKind(layout::kTypeSpin, MakeSpinControl);
}

// The tester's window with real entries and spins, open, its variables shown once and
// its timer stopped.
class OpenTester {
 public:
  OpenTester() : tester_(RegisterFieldKinds) {
    for (std::vector<uint8_t>& variable : tester_.Storage()) std::fill(variable.begin(), variable.end(), ' ');
    OpenWindow(tester_.get());
    SetWindowTimer(*tester_.get(), 0);
    Accept([] { return CurrentEvent() == event::GainFocus ? kTurnLeave : kTurnDone; });
  }
  ~OpenTester() { CloseWindow(tester_.get()); }
  EntryControl* Entry(int32_t number) const {
    for (const auto& control : tester_.get()->controls) {
      if (control->Number() == number) return dynamic_cast<EntryControl*>(control.get());
    }
    return nullptr;
  }
  std::deque<std::vector<uint8_t>>& Storage() { return tester_.Storage(); }

 private:
  bench::TesterWindow tester_;
};

void BM_KeystrokeInG1(benchmark::State& state) {
  ui::HeadlessHost host;
  OpenTester tester;
  ui::Hwnd g1 = tester.Entry(94)->Handle();
  std::string text;
  for (int i = 0; i < 90; ++i) text += static_cast<char>('0' + (i + 1) % 10);
  ui::SendMessage(g1, ui::EM_SETTEXTCOUNTED, text.size(), reinterpret_cast<ui::LParam>(text.data()));
  ui::SetFocus(g1);
  ui::SendMessage(g1, ui::EM_SETSEL, 45, 45);
  host.Pump();
  bool typed = false;
  for (auto _ : state) {
    host.Press(typed ? ui::VK_BACK : '5');
    typed = !typed;
    host.Pump();
  }
}
BENCHMARK(BM_KeystrokeInG1)->Unit(benchmark::kMicrosecond);

// The signed view of V1: "1234" typed, then accepted in place (checked, stored, shown
// through its picture, repainted).
void BM_AcceptEditedNumber(benchmark::State& state) {
  ui::HeadlessHost host;
  OpenTester tester;
  EntryControl* field = tester.Entry(11);
  ui::SetFocus(field->Handle());
  host.Pump();
  bool odd = false;
  for (auto _ : state) {
    state.PauseTiming();
    field->SetFieldText(odd ? "-1234" : "1234");
    odd = !odd;
    host.Pump();
    state.ResumeTiming();
    benchmark::DoNotOptimize(field->AcceptInPlace());
    host.Pump();
  }
}
BENCHMARK(BM_AcceptEditedNumber)->Unit(benchmark::kMicrosecond);

void BM_DisplayFieldsUnchanged(benchmark::State& state) {
  ui::HeadlessHost host;
  OpenTester tester;
  DisplayFields();
  for (auto _ : state) DisplayFields();
}
BENCHMARK(BM_DisplayFieldsUnchanged);

// Every bound variable changed, then the 32 fields shown again and repainted.
void BM_DisplayFieldsAllChanged(benchmark::State& state) {
  ui::HeadlessHost host;
  OpenTester tester;
  uint8_t fill = '0';
  for (auto _ : state) {
    state.PauseTiming();
    fill = fill == '0' ? '1' : '0';
    for (std::vector<uint8_t>& variable : tester.Storage()) std::memset(variable.data(), fill, variable.size());
    state.ResumeTiming();
    DisplayFields();
    host.Pump();
  }
}
BENCHMARK(BM_DisplayFieldsAllChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qor::win

int main(int argc, char** argv) {
  return qor::bench::RunWithGoals(argc, argv,
                                  {{"BM_KeystrokeInG1", 60'000},
                                   {"BM_AcceptEditedNumber", 50'000},
                                   {"BM_DisplayFieldsUnchanged", 1'000},
                                   {"BM_DisplayFieldsAllChanged", 600'000}});
}
