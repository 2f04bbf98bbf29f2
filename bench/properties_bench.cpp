// A property read and set by number against their goals: reading the control type
// (0x7C01) at most 200 ns, setting the repeat delay (0x7A0F) at most 250 ns. Each turn
// goes the whole request path a property entry point takes before its handler: the
// selector trimmed and converted, the index rule, the table lookup, the value converted
// (and the ×10 store) or the answer written as text. The sparse lookup is timed alone
// over numbers spread through the whole range.
//
//   build/bin/properties_bench
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "bench/ratio_table.h"
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

void ReadTypeByNumber(benchmark::State& state) {
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
BENCHMARK(ReadTypeByNumber);

void SetRepeatDelayByNumber(benchmark::State& state) {
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
BENCHMARK(SetRepeatDelayByNumber);

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
