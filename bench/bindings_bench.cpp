// Bound-name lookups and BIND/POPSCOPE against their goals: a lookup in one scope of
// 1,000 names at most 300 ns, a lookup three scopes out (four scopes of 1,000 names)
// at most 1.5 us, BIND of 10,000 names then POPSCOPE at most 20 ms. Names are bound
// in random and in sorted order. After the table it prints each figure with its goal.
//
//   build/bin/bindings_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_table.h"
#include "runtime/bindings/bindings.h"
#include "runtime/values/variable_reference.h"

namespace {

using namespace qor::rt;

constexpr int kScopeNames = 1000;

std::vector<std::string> ScopeNames(int scope, int n, bool sorted) {
  std::vector<std::string> names;
  char buffer[32];
  for (int i = 0; i < n; ++i) {
    std::snprintf(buffer, sizeof buffer, "S%d:FIELD%05d", scope, i);
    names.push_back(buffer);
  }
  if (!sorted) std::shuffle(names.begin(), names.end(), std::mt19937(42 + scope));
  return names;
}

int32_t variable;

void BindAll(const std::vector<std::string>& names) {
  for (const std::string& name : names) BindName(name, CreateVariableReference(&variable, kTypeLong, 4, 0));
}

// Scopes 0 (outermost) to `scopes - 1`, each pushed with argument 0; returns the
// outermost scope's names in a random lookup order.
std::vector<std::string> BuildScopes(int scopes, bool sorted) {
  std::vector<std::string> outermost;
  for (int s = 0; s < scopes; ++s) {
    if (s > 0) PushScope(0);
    std::vector<std::string> names = ScopeNames(s, kScopeNames, sorted);
    BindAll(names);
    if (s == 0) outermost = names;
  }
  std::shuffle(outermost.begin(), outermost.end(), std::mt19937(7));
  return outermost;
}

void Lookup(benchmark::State& state, int scopes, bool sorted) {
  std::vector<std::string> names = BuildScopes(scopes, sorted);
  size_t i = 0;
  for (auto _ : state) {
    BoundName found = LookUpName(names[i]);
    benchmark::DoNotOptimize(found);
    if (++i == names.size()) i = 0;
  }
  ClearBindings();
}

void BindThenPop(benchmark::State& state, bool sorted) {
  std::vector<std::string> names = ScopeNames(0, 10000, sorted);
  for (auto _ : state) {
    PushScope(0);
    BindAll(names);
    PopScope();
  }
}

BENCHMARK_CAPTURE(Lookup, OneScope/random, 1, false);
BENCHMARK_CAPTURE(Lookup, OneScope/sorted, 1, true);
BENCHMARK_CAPTURE(Lookup, ThreeScopesOut/random, 4, false);
BENCHMARK_CAPTURE(Lookup, ThreeScopesOut/sorted, 4, true);
BENCHMARK_CAPTURE(BindThenPop, 10000/random, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindThenPop, 10000/sorted, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return qor::bench::RunWithGoals(argc, argv, {{"OneScope", 300}, {"ThreeScopesOut", 1500}, {"", 20e6}});
}
