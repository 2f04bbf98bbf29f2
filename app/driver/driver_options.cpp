#include "app/driver/driver_options.h"

#include <utility>

namespace qor::app::drv {
namespace {

std::optional<uint32_t> ParseSeed(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<uint32_t>(value);
}

OptionsReading Misuse(std::string problem) { return OptionsReading{std::nullopt, std::move(problem)}; }

}  // namespace

OptionsReading ParseDriverOptions(const std::vector<std::string>& args) {
  DriverOptions options;
  bool seen[5] = {};
  auto once = [&](int which) { return !std::exchange(seen[which], true); };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool valued = arg == "--seed" || arg == "--script";
    if (valued && i + 1 == args.size()) return Misuse(arg + " needs a value");
    if (arg == "--seed") {
      if (!once(0)) return Misuse("--seed given twice");
      options.seed = ParseSeed(args[++i]);
      if (!options.seed) return Misuse("--seed takes a number from 0 to 4294967295");
    } else if (arg == "--headless") {
      if (!once(1)) return Misuse("--headless given twice");
      options.headless = true;
    } else if (arg == "--script") {
      if (!once(2)) return Misuse("--script given twice");
      options.script = args[++i];
    } else if (arg == "--first-frame") {
      if (!once(3)) return Misuse("--first-frame given twice");
      options.firstFrame = true;
    } else if (arg == "--help") {
      if (!once(4)) return Misuse("--help given twice");
      options.help = true;
    } else {
      return Misuse("unknown argument \"" + arg + "\"");
    }
  }
  if (options.firstFrame && args.size() > 1) return Misuse("--first-frame takes no other option");
  if (options.headless && !options.script) return Misuse("--headless needs --script");
  return OptionsReading{options, {}};
}

std::string DriverUsage() {
  return "usage: kzt_asm [--seed S] [--headless] [--script FILE] [--first-frame] [--help]\n"
         "  --seed S       seed the random generator with S (0..4294967295) instead of the clock\n"
         "  --headless     run without a display, on a virtual clock (needs --script)\n"
         "  --script FILE  drive the window by the commands in FILE (- for standard input)\n"
         "  --first-frame  print \"first-frame NS\" once the window is first shown, then close\n"
         "  --help         show this text\n";
}

}  // namespace qor::app::drv
