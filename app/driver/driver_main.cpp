#include "app/driver/driver_main.h"

#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/driver/control_sets.h"
#include "app/driver/driver_options.h"
#include "app/driver/script_reader.h"
#include "app/driver/script_runner.h"
#include "app/driver/window_probes.h"
#include "app/tester/kzt_a001.h"
#include "runtime/errors/out_of_memory.h"
#include "window/platform/core/session.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app::drv {
namespace {

// Far beyond any script written by hand or generated for a soak; a file without end
// (/dev/zero) stops here instead of filling the memory.
constexpr size_t kScriptLimit = size_t{16} << 20;

// The whole of a file, or of standard input for "-"; false with the reason.
bool ReadAll(const std::string& name, std::string& text, std::string& reason) {
  FILE* file = name == "-" ? stdin : std::fopen(name.c_str(), "rb");
  if (!file) {
    reason = std::strerror(errno);
    return false;
  }
  char buffer[65536];
  size_t got = 0;
  while (text.size() <= kScriptLimit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, got);
  bool failed = std::ferror(file) != 0;
  if (failed) reason = std::strerror(errno);
  if (!failed && text.size() > kScriptLimit) {
    failed = true;
    reason = "longer than " + std::to_string(kScriptLimit) + " bytes";
  }
  if (file != stdin) std::fclose(file);
  return !failed;
}

std::optional<Script> LoadScript(const std::string& name) {
  std::string text;
  std::string reason;
  if (!ReadAll(name, text, reason)) {
    std::fprintf(stderr, "kzt_asm: %s: cannot read the script: %s\n", name.c_str(), reason.c_str());
    return std::nullopt;
  }
  ScriptReading reading = ReadScript(name, text, TesterControlSets());
  if (!reading.script) std::fprintf(stderr, "%s\n", ScriptErrorLine(name, reading.error).c_str());
  return reading.script;
}

std::optional<ui::Canvas> CanvasClientArea(ui::Hwnd top) {
  std::shared_ptr<ui::Canvas> canvas = ui::WindowCanvas(top);
  if (!canvas) return std::nullopt;
  return CutOut(*canvas, ui::ClientRectOnCanvas(top));
}

DriverWorld ProgramWorld(std::function<std::optional<ui::Canvas>(ui::Hwnd)> shown) {
  DriverWorld world;
  world.window = [] { return RunningTesterWindow(); };
  world.state = [] { return RunningTesterState(); };
  world.shown = std::move(shown);
  world.requestClose = [] { RequestClose(); };
  world.requestExitCode = [](int code) { RequestExitCode(code); };
  return world;
}

ScriptRunner* g_runner = nullptr;  // lives until the process ends

ProgramAdditions WithRunner(ProgramAdditions additions, Script script, DriverWorld world) {
  g_runner = new ScriptRunner(std::move(script), std::move(world));
  additions.atIdle = [] { g_runner->AtIdle(); };
  additions.atEnd = [] { g_runner->AtEnd(); };
  return additions;
}

[[noreturn]] void RunHeadless(ProgramAdditions additions, Script script) {
  // Made before start-up, so that the virtual clock seeds the generator; kept to the end.
  static ui::HeadlessHost host;
  // A signal closes the window in order, as on the desktop.
  ui::InstallTerminationHandlers();
  DriverWorld world = ProgramWorld(CanvasClientArea);
  world.commandStarts = [] { host.SetWaitBudget(kLongestWait + ui::HeadlessHost::kDefaultWaitBudget); };
  RunTesterProgram(WithRunner(std::move(additions), std::move(script), std::move(world)));
}

uint64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000000000u + static_cast<uint64_t>(now.tv_nsec);
}

int RunFirstFrame(const DesktopSide& desktop) {
  static std::function<void()> present = desktop.present;
  ProgramAdditions additions;
  additions.atIdle = [] {
    static bool printed = false;
    if (printed || !RunningTesterWindow()) return;
    printed = true;
    present();
    std::printf("first-frame %llu\n", static_cast<unsigned long long>(MonotonicNanoseconds()));
    std::fflush(stdout);
    RequestClose();
  };
  return desktop.run(additions);
}

void PrintMisuse(const std::string& problem) {
  std::fprintf(stderr, "kzt_asm: %s\n%s", problem.c_str(), DriverUsage().c_str());
}

}  // namespace

int Main(int argc, char** argv, const DesktopSide& desktop) {
  rt::InstallOutOfMemoryReport();
  OptionsReading reading = ParseDriverOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!reading.options) {
    PrintMisuse(reading.problem);
    return 2;
  }
  const DriverOptions& options = *reading.options;
  if (options.help) {
    std::fputs(DriverUsage().c_str(), stdout);
    return 0;
  }
  if (options.firstFrame) return RunFirstFrame(desktop);
  ProgramAdditions additions;
  additions.seed = options.seed;
  if (!options.script) return desktop.run(additions);
  std::optional<Script> script = LoadScript(*options.script);
  if (!script) return 2;
  if (options.headless) RunHeadless(std::move(additions), std::move(*script));
  return desktop.run(WithRunner(std::move(additions), std::move(*script), ProgramWorld(desktop.shown)));
}

}  // namespace qor::app::drv
