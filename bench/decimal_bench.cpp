// Decimal arithmetic and text conversions on 31-digit operands, directly and the way
// generated code does it through the decimal stack, side by side with GMP doing the
// same work on integers scaled by 10^31 (when the build found GMP): add; multiply and
// truncate; divide rounded half away from zero. The last lines give the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench/ratio_table.h"
#include "runtime/values/decimal.h"
#include "runtime/values/decimal_limbs.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"

#ifdef QOR_BENCH_GMP
#include <gmp.h>
#endif

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
template <void (*Operation)()>
void BM_Stack(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) {
    DecPush(a);
    DecPush(b);
    Operation();
    benchmark::DoNotOptimize(DecPop());
  }
}
BENCHMARK_TEMPLATE(BM_Stack, DecAdd)->Name("BM_StackAdd");
BENCHMARK_TEMPLATE(BM_Stack, DecMultiply)->Name("BM_StackMultiply");
BENCHMARK_TEMPLATE(BM_Stack, DecDivide)->Name("BM_StackDivide");

// What reading two 67-byte unpacked operands and writing one result costs before any
// arithmetic: the forms add and subtract work in (digit vectors), and the forms
// multiply and divide work in (base 10^8 limbs). Nothing is computed in between.
#if defined(__SSE2__)
void BM_RecordsOnlyForAdd(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) {
    DigitVectors x = DigitVectorsFromDecimal(a), y = DigitVectorsFromDecimal(b);
    benchmark::DoNotOptimize(y);
    benchmark::DoNotOptimize(DecimalFromDigitVectors(x, a.sign));
  }
}
BENCHMARK(BM_RecordsOnlyForAdd);
#endif

void BM_RecordsOnlyForMultiply(benchmark::State& state) {
  Decimal a = Read(kA), b = Read(kB);
  for (auto _ : state) {
    LimbFrame x = LimbFrameFromDecimal(a), y = LimbFrameFromDecimal(b);
    benchmark::DoNotOptimize(y);
    uint32_t limbs[kDecimalLimbs];
    std::memcpy(limbs, x.limb, sizeof limbs);
    benchmark::DoNotOptimize(DecimalFromLimbs(limbs, a.sign));
  }
}
BENCHMARK(BM_RecordsOnlyForMultiply);

#ifdef QOR_BENCH_GMP
// The operands as integers counted in units of 10^-31, with the scratch a program
// using GMP would keep between operations.
struct GmpOperands {
  mpz_t a, b, result, scale, absB, twiceB;
  GmpOperands() {
    mpz_inits(a, b, result, scale, absB, twiceB, nullptr);
    SetScaled(a, kA);
    SetScaled(b, kB);
    mpz_ui_pow_ui(scale, 10, 31);
    mpz_abs(absB, b);
    mpz_mul_2exp(twiceB, absB, 1);
  }
  ~GmpOperands() { mpz_clears(a, b, result, scale, absB, twiceB, nullptr); }

  // "-123.45" with 31 places: -1234500...0.
  static void SetScaled(mpz_t z, const char* text) {
    std::string digits;
    int places = -1;
    for (const char* c = text; *c; ++c) {
      if (*c == '.') {
        places = 0;
      } else {
        digits += *c;
        if (places >= 0) ++places;
      }
    }
    digits.append(static_cast<std::size_t>(31 - (places < 0 ? 0 : places)), '0');
    mpz_set_str(z, digits.c_str(), 10);
  }
};

void GmpAdd(GmpOperands& g) { mpz_add(g.result, g.a, g.b); }

void GmpMultiply(GmpOperands& g) {
  mpz_mul(g.result, g.a, g.b);
  mpz_tdiv_q(g.result, g.result, g.scale);
}

// round(a * 10^31 / b) half away from zero: (2 |a| 10^31 + |b|) / (2 |b|) truncated,
// with the sign applied.
void GmpDivide(GmpOperands& g) {
  mpz_mul(g.result, g.a, g.scale);
  mpz_abs(g.result, g.result);
  mpz_mul_2exp(g.result, g.result, 1);
  mpz_add(g.result, g.result, g.absB);
  mpz_tdiv_q(g.result, g.result, g.twiceB);
  if ((mpz_sgn(g.a) < 0) != (mpz_sgn(g.b) < 0)) mpz_neg(g.result, g.result);
}

template <void (*Operation)(GmpOperands&)>
void BM_Gmp(benchmark::State& state) {
  GmpOperands g;
  for (auto _ : state) {
    Operation(g);
    benchmark::DoNotOptimize(g.result[0]._mp_d);
  }
}
BENCHMARK_TEMPLATE(BM_Gmp, GmpAdd)->Name("BM_GmpAdd");
BENCHMARK_TEMPLATE(BM_Gmp, GmpMultiply)->Name("BM_GmpMultiply");
BENCHMARK_TEMPLATE(BM_Gmp, GmpDivide)->Name("BM_GmpDivide");
#endif

}  // namespace

int main(int argc, char** argv) {
  return qor::bench::RunWithRatios(argc, argv,
                                   {{"add / GMP", "BM_DecimalAdd", "BM_GmpAdd", "(goal: add <= 15 ns)"},
                                    {"stack add / GMP", "BM_StackAdd", "BM_GmpAdd", "(goal: <= 15 ns)"},
                                    {"multiply / GMP", "BM_DecimalMultiply", "BM_GmpMultiply", "(goal: <= 30 ns)"},
                                    {"stack multiply / GMP", "BM_StackMultiply", "BM_GmpMultiply", "(goal: <= 30 ns)"},
                                    {"stack divide / GMP", "BM_StackDivide", "BM_GmpDivide", "(goal: <= 150 ns)"},
                                    {"add's records alone / GMP add", "BM_RecordsOnlyForAdd", "BM_GmpAdd", "(no arithmetic)"},
                                    {"multiply's records alone / GMP", "BM_RecordsOnlyForMultiply", "BM_GmpMultiply",
                                     "(no arithmetic)"},
                                    {"divide / GMP", "BM_DecimalDivide", "BM_GmpDivide", "(goal: <= 150 ns)"}});
}
