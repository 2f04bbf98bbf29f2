#pragma once
// The program's options:
//   kzt_asm [--seed S] [--headless] [--script FILE] [--first-frame] [--help]
// Each option at most once; --first-frame takes no other; --headless needs --script;
// S is plain decimal 0..4294967295. Without options the program is the plain tester.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qor::app::drv {

struct DriverOptions {
  std::optional<uint32_t> seed;       // the generator's seed instead of the clock
  bool headless = false;              // no display: the virtual clock and a canvas
  std::optional<std::string> script;  // FILE, "-" for standard input
  bool firstFrame = false;            // print "first-frame NS" once shown, then close
  bool help = false;
};

struct OptionsReading {
  std::optional<DriverOptions> options;  // nullopt: the arguments are a misuse
  std::string problem;                   // what is wrong with them, for the usage line
};

OptionsReading ParseDriverOptions(const std::vector<std::string>& args);

// The usage text, ending in a newline.
std::string DriverUsage();

}  // namespace qor::app::drv
