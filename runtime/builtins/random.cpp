#include "runtime/builtins/random.h"

namespace qor::rt {
namespace {

constexpr uint32_t kMultiplier = 0xBB40E62Du;
constexpr uint32_t kIncrement = 0x11u;
constexpr uint32_t kFirstK = 54;
constexpr uint32_t kFirstJ = 23;
constexpr uint32_t kLastIndex = RandomGenerator::kTableSize - 1;

// Days from the start of the year to the end of each month, in common and leap years.
constexpr uint32_t kDaysToMonthEnd[2][12] = {
    {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
};

uint32_t DaysToMonthEnd(int year, int month) {
  const bool leap = year % 4 == 0;
  const int index = month < 1 ? 0 : (month > 12 ? 11 : month - 1);  // a clock's month is 1..12
  return kDaysToMonthEnd[leap ? 1 : 0][index];
}

}  // namespace

void RandomGenerator::Seed(uint32_t seed) {
  k_ = kFirstK;
  j_ = kFirstJ;
  uint32_t x = seed;
  for (uint32_t& entry : table_) {
    x = x * kMultiplier + kIncrement;
    entry = x >> 16;
  }
}

void RandomGenerator::SeedFromClock() { Seed(ClockSeed(os::GetLocalTime())); }

uint32_t RandomGenerator::Draw() {
  if (k_ == 0 && j_ == 0) Seed(1);
  if (k_ == 0) {
    k_ = kLastIndex;
    --j_;
  } else {
    --k_;
    j_ = j_ == 0 ? kLastIndex : j_ - 1;
  }
  table_[k_] += table_[j_];
  return table_[k_] & 0x7FFFu;
}

int32_t RandomGenerator::Random(int32_t low, int32_t high) {
  if (low == high) return low;
  const uint32_t a = Draw();
  const uint32_t b = Draw();
  const uint32_t c = Draw();
  const uint32_t r = (a * 32768u + b) * 32768u + c;
  const uint32_t width = static_cast<uint32_t>(high) - static_cast<uint32_t>(low) + 1u;
  const uint32_t offset = width == 0 ? r : r % width;
  return static_cast<int32_t>(static_cast<uint32_t>(low) + offset);
}

uint32_t ClockSeed(const os::LocalTime& time) {
  const auto year = static_cast<uint32_t>(time.year);
  const uint32_t days = static_cast<uint32_t>(time.day) - 1u + DaysToMonthEnd(time.year, time.month) +
                        365u * year + static_cast<uint32_t>((time.year - 1) / 4);
  return static_cast<uint32_t>(time.second) + 60u * static_cast<uint32_t>(time.minute) +
         3600u * static_cast<uint32_t>(time.hour) + 86400u * days;
}

RandomGenerator& ProcessRandom() {
  static RandomGenerator generator;
  return generator;
}

int32_t RANDOM(int32_t low, int32_t high) { return ProcessRandom().Random(low, high); }
void SeedRandom(uint32_t seed) { ProcessRandom().Seed(seed); }
void SeedRandomFromClock() { ProcessRandom().SeedFromClock(); }
uint32_t DrawRandom() { return ProcessRandom().Draw(); }

}  // namespace qor::rt
