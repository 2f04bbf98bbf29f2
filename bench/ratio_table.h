#pragma once
// Console reporters for side-by-side benchmarks and for benchmarks with fixed goals.
// A console reporter for side-by-side benchmarks: it prints the usual table, then one
// line per pair with our time over the anchor's (best CPU time of each, since the
// machine may be shared) and the goal. Pairs whose benchmarks did not run (filtered
// out, or an anchor library that was not found at build time) are left out. The last
// pair given is the headline and comes last.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::bench {

struct RatioPair {
  std::string label;
  std::string ours;    // benchmark names
  std::string anchor;
  std::string goal;    // e.g. "<= 1.00"
};

// The console options the library's own reporter takes from --benchmark_color: colour
// unless the flag turns it off, or leaves it to "auto" (the default) and standard
// output is not a terminal. Read before benchmark::Initialize, which removes the flag.
inline benchmark::ConsoleReporter::OutputOptions ConsoleOptions(int argc, char** argv) {
  constexpr std::string_view kFlag = "--benchmark_color=";
  std::string_view value = "auto";
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.starts_with(kFlag)) value = argument.substr(kFlag.size());
  }
  bool color = !(value == "false" || value == "no" || value == "off" || value == "0" || value == "f" || value == "n");
  if (value == "auto") color = isatty(STDOUT_FILENO) != 0;
  return color ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular;
}

// The usual table, keeping the best CPU time of every benchmark for a summary.
class BestTimeReporter : public benchmark::ConsoleReporter {
 public:
  void UseOptions(OutputOptions options) { output_options_ = options; }

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With --benchmark_report_aggregates_only only the aggregates arrive: the
      // median then stands for the runs.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred) continue;
      double& best = times_[run.run_name.str()];
      const double time = run.GetAdjustedCPUTime();
      if (best == 0 || time < best) best = time;
    }
  }

 protected:
  const std::map<std::string, double>& Times() const { return times_; }

 private:
  std::map<std::string, double> times_;
};

class RatioTable : public BestTimeReporter {
 public:
  explicit RatioTable(std::vector<RatioPair> pairs) : pairs_(std::move(pairs)) {}

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-34s %10s %10s %7s %s\n", "pair (CPU time)", "ours", "anchor", "ratio", "goal");
    for (const RatioPair& pair : pairs_) {
      const auto ours = Times().find(pair.ours);
      const auto anchor = Times().find(pair.anchor);
      if (ours == Times().end() || anchor == Times().end()) continue;
      std::printf("%-34s %10.1f %10.1f %7.2f %s\n", pair.label.c_str(), ours->second, anchor->second,
                  ours->second / anchor->second, pair.goal.c_str());
    }
  }

 private:
  std::vector<RatioPair> pairs_;
};

// Runs the benchmarks registered so far with `reporter`.
inline int RunWithReporter(int argc, char** argv, BestTimeReporter& reporter) {
  reporter.UseOptions(ConsoleOptions(argc, argv));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

// A goal in nanoseconds of CPU time for every benchmark whose name contains `part`.
struct Goal {
  std::string part;  // "" matches every name
  double nanoseconds;
};

// The usual table, then one line per benchmark: its best CPU time, the first goal whose
// part its name contains, and the ratio of the two.
class GoalTable : public BestTimeReporter {
 public:
  explicit GoalTable(std::vector<Goal> goals) : goals_(std::move(goals)) {}

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %8s\n", "figure (CPU time)", "ns", "goal ns", "ratio");
    for (const auto& [name, time] : Times()) {
      const double ns = time * Nanoseconds(name);
      for (const Goal& goal : goals_) {
        if (name.find(goal.part) == std::string::npos) continue;
        std::printf("%-40s %14.1f %14.1f %8.2f\n", name.c_str(), ns, goal.nanoseconds, ns / goal.nanoseconds);
        break;
      }
    }
  }

 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) units_[run.benchmark_name()] = run.time_unit;
    BestTimeReporter::ReportRuns(runs);
  }

 private:
  double Nanoseconds(const std::string& name) const {
    switch (units_.at(name)) {
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      case benchmark::kSecond: return 1e9;
      default: return 1;
    }
  }

  std::vector<Goal> goals_;
  std::map<std::string, benchmark::TimeUnit> units_;
};

// Runs the benchmarks registered so far with a GoalTable over `goals`.
inline int RunWithGoals(int argc, char** argv, std::vector<Goal> goals) {
  GoalTable table(std::move(goals));
  return RunWithReporter(argc, argv, table);
}

// Runs the benchmarks registered so far with a RatioTable over `pairs`.
inline int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs) {
  RatioTable table(std::move(pairs));
  return RunWithReporter(argc, argv, table);
}

}  // namespace qor::bench
