// A long session on the virtual clock: a button held for an hour of repeats, then 10,000
// presses over every button and 1,000 typed values over every entry and spin box. The
// runtime heap must hold exactly what it held at the start, the C library's allocator
// must not keep growing, and the process's peak memory must stay within 5% of the same
// session with the hold cut to one minute.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/driver/control_sets.h"
#include "tests/app/driver/driver_process.h"
#include "tests/tools/sanitizers.h"

namespace qor::app::drv::testing {
namespace {

constexpr bool kSanitized = test::kAddressSanitized;

constexpr int kPresses = 10000;
constexpr int kTypedValues = 1000;
constexpr uint32_t kHour = 3600 * 1000;
constexpr uint32_t kMinute = 60 * 1000;

// Texts of every shape a user types: bytes, signed and unsigned longs, hexadecimal, bit
// strings, and text with letters and signs that many fields reject.
std::string TypedValue(std::mt19937& random) {
  auto below = [&](uint64_t n) { return static_cast<uint64_t>(random()) % n; };
  auto from = [&](const std::string& alphabet, size_t longest) {
    std::string text(below(longest + 1), ' ');
    for (char& c : text) c = alphabet[below(alphabet.size())];
    return text;
  };
  switch (below(6)) {
    case 0: return std::to_string(below(256));
    case 1: return std::to_string(static_cast<int64_t>(below(1ull << 32)) - (1ll << 31));
    case 2: return from("0123456789ABCDEF", 8);
    case 3: return from("01", 32);
    case 4: return from("abcXYZ 12.-", 20);
    default: return std::to_string(below(1ull << 32));
  }
}

// heap; every button once (what is made on first use is made); heap; the hold; heap;
// the presses; heap; the typed values; heap; close.
std::string Session(uint32_t holdMilliseconds) {
  const ControlSets& sets = TesterControlSets();
  std::vector<int32_t> buttons(sets.buttons.begin(), sets.buttons.end());
  std::vector<int32_t> entries(sets.entries.begin(), sets.entries.end());
  std::mt19937 random(2026);
  std::string script = "heap\n";
  for (int32_t button : buttons) script += "press " + std::to_string(button) + "\n";
  script += "heap\nhold 81 " + std::to_string(holdMilliseconds) + "\nheap\n";
  for (int i = 0; i < kPresses; ++i) script += "press " + std::to_string(buttons[i % buttons.size()]) + "\n";
  script += "heap\n";
  for (int i = 0; i < kTypedValues; ++i) {
    script += "type " + std::to_string(entries[i % entries.size()]) + " " + TypedValue(random) + "\n";
  }
  return script + "heap\nclose\n";
}

struct HeapLine {
  std::string runtime;       // blocks, bytes and large blocks of the runtime heap
  long long mallocBytes = 0; // the C library's bytes in use
};

std::vector<HeapLine> HeapLines(const std::string& out) {
  std::vector<HeapLine> lines;
  for (const std::string& line : Lines(out)) {
    size_t last = line.rfind('\t');
    if (line.rfind("heap\t", 0) != 0 || last == std::string::npos) continue;
    lines.push_back({line.substr(5, last - 5), std::stoll(line.substr(last + 1))});
  }
  return lines;
}

TEST(DriverSoak, AnHourOfRepeatsAndThousandsOfInputsLeaveMemoryWhereItWas) {
  ASSERT_GE(TesterControlSets().buttons.size(), 60u);
  test::ProcessResult minute = RunScript(Session(kMinute), {"--seed", "7"});
  test::ProcessResult hour = RunScript(Session(kHour), {"--seed", "7"});
  ASSERT_EQ(hour.exitCode, 0) << hour.err;
  ASSERT_EQ(minute.exitCode, 0) << minute.err;
  EXPECT_EQ(hour.err, "");

  std::vector<HeapLine> census = HeapLines(hour.out);
  ASSERT_EQ(census.size(), 5u) << hour.out;
  for (const HeapLine& line : census) EXPECT_EQ(line.runtime, census.front().runtime);
  // Past the first press of each button nothing new is made for good: allow the
  // allocator's own slack, not growth with the length of the session.
  EXPECT_LE(census.back().mallocBytes, census[1].mallocBytes + 64 * 1024);

  std::printf("runtime heap (blocks, bytes, large): %s at start and at end\n", census.front().runtime.c_str());
  std::printf("C library bytes in use: %lld after warm-up, %lld at end\n", census[1].mallocBytes,
              census.back().mallocBytes);
  std::printf("peak resident set: %ld KiB for the hour, %ld KiB for the minute\n", hour.peakKilobytes,
              minute.peakKilobytes);
  // A sanitizer's quarantine and shadow memory grow with the number of allocations, not
  // with what the program keeps: compare peaks only in a plain build.
  if (!kSanitized) {
    EXPECT_LE(hour.peakKilobytes * 100, minute.peakKilobytes * 105);
  }
}

}  // namespace
}  // namespace qor::app::drv::testing
