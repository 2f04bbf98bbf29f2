#pragma once
// The language's random numbers: RANDOM(low, high) and the generator behind it.
//
// The generator is an additive table of 55 words stepped by two indices that stay 31
// apart; each draw gives 15 bits. It is seeded once at start-up from the local clock
// (SeedRandomFromClock); a generator drawn from before any seeding seeds itself with 1.
// All arithmetic is unsigned 32-bit and wraps.
#include <cstdint>

#include "os/clock.h"

namespace qor::rt {

class RandomGenerator {
 public:
  static constexpr int kTableSize = 55;

  // Restarts the generator from `seed`.
  void Seed(uint32_t seed);
  // Seeds from the local time of the process's clock (see ClockSeed).
  void SeedFromClock();
  // The next 15-bit number, 0 to 32767.
  uint32_t Draw();
  // A number from low to high. low == high gives low without drawing; the bounds 0 and
  // -1 (a width of 2^32) give any 32-bit value. Other bounds take three draws
  // and reduce them modulo the width high - low + 1, counted unsigned.
  int32_t Random(int32_t low, int32_t high);

 private:
  uint32_t table_[kTableSize] = {};
  uint32_t k_ = 0;  // both 0 until the first seeding
  uint32_t j_ = 0;
};

// The seed a local time gives: its seconds counted from a day numbering in which each
// year has 365 days plus one for every earlier fourth year, wrapping at 2^32.
uint32_t ClockSeed(const os::LocalTime& time);

// The process's one generator, used by the language's RANDOM.
RandomGenerator& ProcessRandom();

int32_t RANDOM(int32_t low, int32_t high);
void SeedRandom(uint32_t seed);
void SeedRandomFromClock();
uint32_t DrawRandom();

}  // namespace qor::rt
