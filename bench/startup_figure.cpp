// Start-up to the first frame: the tester and the platform demonstration on the desktop
// host against a bare SDL2 program that opens a window and draws one line of text, run in turn N
// times each (after one unmeasured run of each), measured from just before the program
// is started to the moment it reports its first frame on the screen. Prints the medians
// and their ratio; needs a display (run it under xvfb-run for the figure in the notes).
//   startup_figure [N]   (default 21)
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "window/platform/draw/font_match.h"

extern char** environ;

namespace {

uint64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000000000u + static_cast<uint64_t>(now.tv_nsec);
}

std::string BinDirectory() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string exe(path, length > 0 ? static_cast<size_t>(length) : 0);
  return exe.substr(0, exe.rfind('/'));
}

// Milliseconds from the start to the reported first frame; none if the program failed.
std::optional<double> TimeToFirstFrame(const std::vector<std::string>& command) {
  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  uint64_t started = MonotonicNanoseconds();
  int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string output;
  char buffer[256];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<size_t>(got));
  close(out[0]);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  unsigned long long frame = 0;
  if (std::sscanf(output.c_str(), "first-frame %llu", &frame) != 1) return std::nullopt;
  return static_cast<double>(frame - started) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 21;
  if (runs < 1 || !std::getenv("DISPLAY")) {
    std::fprintf(stderr, "usage: startup_figure [N]   (with a display: xvfb-run -a startup_figure)\n");
    return 2;
  }
  std::optional<qor::ui::FontFile> font = qor::ui::MatchFontFile("Arial", 400, false);
  if (!font) {
    std::fprintf(stderr, "startup_figure: no font installed\n");
    return 1;
  }
  std::string bin = BinDirectory();
  const std::vector<std::string> tester{bin + "/kzt_asm", "--first-frame"};
  const std::vector<std::string> demo{bin + "/platform_demo", "--first-frame"};
  const std::vector<std::string> bare{bin + "/bare_sdl_window", font->path};
  std::vector<double> testerTimes;
  std::vector<double> demoTimes;
  std::vector<double> bareTimes;
  for (int i = -1; i < runs; ++i) {
    std::optional<double> t = TimeToFirstFrame(tester);
    std::optional<double> d = TimeToFirstFrame(demo);
    std::optional<double> b = TimeToFirstFrame(bare);
    if (!t || !d || !b) {
      std::fprintf(stderr, "startup_figure: a run failed (%s)\n",
                   !t ? "kzt_asm" : !d ? "platform_demo" : "bare_sdl_window");
      return 1;
    }
    if (i < 0) continue;  // the first run of each fills the caches
    testerTimes.push_back(*t);
    demoTimes.push_back(*d);
    bareTimes.push_back(*b);
  }
  double testerMedian = Median(testerTimes);
  double demoMedian = Median(demoTimes);
  double bareMedian = Median(bareTimes);
  std::printf("start-up to first frame, median of %d runs each\n", runs);
  std::printf("  kzt_asm (the tester)          %7.2f ms   ratio %5.2f (goal: at most 1.50)\n", testerMedian,
              testerMedian / bareMedian);
  std::printf("  platform_demo (desktop host)  %7.2f ms   ratio %5.2f (goal: at most 1.50)\n", demoMedian,
              demoMedian / bareMedian);
  std::printf("  bare SDL2 + FreeType          %7.2f ms\n", bareMedian);
  return 0;
}
