// Decimal arithmetic and text conversions on 31-digit operands.
#include <benchmark/benchmark.h>

#include <cstring>

#include "runtime/values/decimal.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"

namespace {

using namespace qor::rt;

// 31 significant digits each: 16 integer and 15 fractional.
constexpr char kA[] = "8234567890123456.789012345678901";
constexpr char kB[] = "-1987654321098765.432109876543219";

Decimal Read(const char* text) { return DecimalFromText(text, std::strlen(text)); }

void BM_DecimalAdd(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) benchmark::DoNotOptimize(DecimalAdd(a, b));
}
BENCHMARK(BM_DecimalAdd);

void BM_DecimalMultiply(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) benchmark::DoNotOptimize(DecimalMultiply(a, b));
}
BENCHMARK(BM_DecimalMultiply);

void BM_DecimalDivide(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) benchmark::DoNotOptimize(DecimalDivide(a, b));
}
BENCHMARK(BM_DecimalDivide);

void BM_TextToDecimal(benchmark::State& state) {
  std::size_t length = std::strlen(kA);
  for (auto _ : state) benchmark::DoNotOptimize(DecimalFromText(kA, length));
}
BENCHMARK(BM_TextToDecimal);

void BM_DecimalToText(benchmark::State& state) {
  Decimal a = Read(kA);
  char text[kDecimalTextMax];
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecimalToText(a, text));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DecimalToText);

// The way generated code does it: two pushes, the operation, the result popped.
void BM_StackDivide(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) {
    DecPush(a);
    DecPush(b);
    DecDivide();
    benchmark::DoNotOptimize(DecPop());
  }
}
BENCHMARK(BM_StackDivide);

}  // namespace

BENCHMARK_MAIN();
