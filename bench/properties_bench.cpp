// A property read and set by number against their goals: reading the control type
// (0x7C01) at most 200 ns, setting the repeat delay (0x7A0F) at most 250 ns.
//
// The Entry figures are the goals: generated code's calls on the tester's open window
// (121 controls, made by the runtime's kinds), the selector and value pushed on the value stack, the target window
// resolved, the control found by number, its kind's handler and the base, the answer
// pushed as a LONG (popped again by the loop). The Request figures time the request
// path alone (selector, index rule, lookup, conversion), and the sparse lookup is timed
// over numbers spread through the whole range.
//
//   build/bin/properties_bench
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "bench/ratio_table.h"
#include "bench/tester_window.h"
#include "runtime/values/value_stack.h"
#include "window/controls/standard_kinds.h"
#include "window/platform/hosts/headless_host.h"
#include "window/property_access/property_entry_points.h"
#include "window/property_access/property_target.h"
#include "window/windows/window_lifecycle.h"
#include "window/properties/property_numbers.h"
#include "window/properties/property_request.h"
#include "window/properties/property_table.h"
#include "window/properties/timing_values.h"

namespace {

using namespace qor::win;

struct ButtonState {
  uint8_t type = 9;
  int32_t repeatDelayMs = 0;
};

void RequestReadTypeByNumber(benchmark::State& state) {
  ButtonState button;
  for (auto _ : state) {
    PropertyRequest request = MakePropertyRequest(67, "31745", 0);
    const PropertyInfo* info = FindProperty(request.number);
    if (info != nullptr && info->Readable()) {
      char digits[12];
      auto end = std::to_chars(digits, digits + sizeof digits, button.type).ptr;
      request.value.assign(digits, end);
    }
    benchmark::DoNotOptimize(request.value.data());
  }
}
BENCHMARK(RequestReadTypeByNumber);

void RequestSetRepeatDelayByNumber(benchmark::State& state) {
  ButtonState button;
  for (auto _ : state) {
    PropertyRequest request = MakePropertyRequest(67, "31247", 0);
    request.value.assign("30");
    const PropertyInfo* info = FindProperty(request.number);
    int64_t hundredths = 0;
    if (info != nullptr && info->Settable() && PropertyInteger(request.value, hundredths))
      button.repeatDelayMs = RepeatMillisecondsFromHundredths(hundredths);
    benchmark::DoNotOptimize(button.repeatDelayMs);
  }
}
BENCHMARK(RequestSetRepeatDelayByNumber);

// The last operation button, so the lookup by number goes the whole way.
constexpr int32_t kLastButton = 121;

void EntryReadType(benchmark::State& state) {
  qor::ui::HeadlessHost host;
  bench::TesterWindow tester(RegisterStandardControlKinds);
  OpenWindow(tester.get());
  for (auto _ : state) {
    qor::rt::StrPushBorrowed("31745", 5);
    GetProperty(kLastButton, 0, kTargetWindow);
    benchmark::DoNotOptimize(qor::rt::StrTopLength());
    qor::rt::StrDiscard();
  }
  CloseWindow(tester.get());
}
BENCHMARK(EntryReadType);

void EntrySetRepeatDelay(benchmark::State& state) {
  qor::ui::HeadlessHost host;
  bench::TesterWindow tester(RegisterStandardControlKinds);
  OpenWindow(tester.get());
  for (auto _ : state) {
    qor::rt::StrPushBorrowed("31247", 5);
    qor::rt::StrPushBorrowed("30", 2);
    SetPropertyInteger(kLastButton, 0, kTargetWindow);
  }
  CloseWindow(tester.get());
}
BENCHMARK(EntrySetRepeatDelay);

void LookupSparseNumbers(benchmark::State& state) {
  int32_t number = prop::kFirstNumbered;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindProperty(number));
    number = number >= prop::kLastFolded ? prop::kFirstNumbered : number + 97;
  }
}
BENCHMARK(LookupSparseNumbers);

}  // namespace

int main(int argc, char** argv) {
  return qor::bench::RunWithGoals(argc, argv, {{"ReadType", 200}, {"SetRepeatDelay", 250}, {"", 20}});
}
