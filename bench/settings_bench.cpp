// SettingsFile::Get on a file of 200 keys (ten sections of twenty), against its goal of
// 100 us: each Get opens, reads and scans the file, as a program reading its settings
// does. The file lives in a temporary directory that HOME points to.
//
//   build/bin/settings_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/ratio_table.h"
#include "framework/settings/settings_file.h"

namespace {

using qor::fw::SettingsFile;

std::string MakeFile() {
  char pattern[] = "/tmp/qor_settings_bench_XXXXXX";
  std::string home = mkdtemp(pattern);
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  std::string text;
  for (int s = 0; s < 10; ++s) {
    text += "[Section" + std::to_string(s) + "]\n";
    for (int k = 0; k < 20; ++k) text += "Key" + std::to_string(k) + "=value of key " + std::to_string(k) + "\n";
    text += "\n";
  }
  std::filesystem::create_directories(home + "/.config/kzt_asm");
  FILE* f = std::fopen((home + "/.config/kzt_asm/kzt_asm.INI").c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  return home;
}

void GetFrom200Keys(benchmark::State& state) {
  std::string home = MakeFile();
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  int i = 0;
  for (auto _ : state) {
    std::string value = settings.Get("Section" + std::to_string(i % 10), "Key" + std::to_string(i % 20), "");
    benchmark::DoNotOptimize(value);
    ++i;
  }
  std::filesystem::remove_all(home);
}
BENCHMARK(GetFrom200Keys)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then the figure (real time: the reads are system calls)
// against its goal.
class GoalReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) best_ = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nGet on 200 keys: %.1f us, goal 100 us, ratio %.2f\n", best_, best_ / 100.0);
  }

 private:
  double best_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  GoalReporter reporter(qor::bench::ConsoleOptions(argc, argv));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
