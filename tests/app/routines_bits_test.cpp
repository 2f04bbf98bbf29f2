// The 32-bit routines: bit tests, scans, rotations, byte order and exchanges.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "app/routines.h"

namespace qor::app {
namespace {

// A 32-bit value with guard bytes on both sides, to catch any access beyond it.
struct GuardedValue {
  static constexpr unsigned char kGuard = 0xA5;
  alignas(16) unsigned char bytes[16];
  GuardedValue() { std::memset(bytes, kGuard, sizeof bytes); }
  explicit GuardedValue(uint32_t v) : GuardedValue() { Set(v); }
  void* Address() { return bytes + 4; }
  void Set(uint32_t v) { std::memcpy(bytes + 4, &v, 4); }
  uint32_t Get() const {
    uint32_t v;
    std::memcpy(&v, bytes + 4, 4);
    return v;
  }
  bool GuardsIntact() const {
    for (int i = 0; i < 16; ++i)
      if ((i < 4 || i >= 8) && bytes[i] != kGuard) return false;
    return true;
  }
};

bool InNoBitRange(int32_t r) { return r >= -32768 && r <= -32513; }

TEST(BitTests, WorkedExamples) {
  uint32_t v = 0;
  EXPECT_EQ(BTS(&v, 5), 1);
  EXPECT_EQ(v, 32u);
  EXPECT_EQ(BTS(&v, 5), 0);
  EXPECT_EQ(v, 32u);

  EXPECT_EQ(BTR(&v, 5), 1);
  EXPECT_EQ(v, 0u);
  EXPECT_EQ(BTR(&v, 5), 0);
  EXPECT_EQ(v, 0u);

  v = 1;
  EXPECT_EQ(BTC(&v, 0), 1);
  EXPECT_EQ(v, 0u);
  EXPECT_EQ(BTC(&v, 0), 0);
  EXPECT_EQ(v, 1u);

  v = 0x80000000u;
  EXPECT_EQ(BT(&v, 31), 1);
  for (uint32_t below : {0u, 1u, 0x7FFFFFFFu, 0x40000000u}) EXPECT_EQ(BT(&below, 31), 0) << below;
}

TEST(BitTests, EveryBitAgainstMasks) {
  const uint32_t patterns[] = {0u, 0xFFFFFFFFu, 0xA5A5A5A5u, 0x12345678u, 0x80000001u};
  for (uint32_t start : patterns) {
    for (int32_t b = 0; b < 32; ++b) {
      const uint32_t mask = uint32_t{1} << b;
      const int32_t wasSet = (start & mask) != 0;
      uint32_t v = start;
      EXPECT_EQ(BT(&v, b), wasSet);
      EXPECT_EQ(v, start) << "BT must not write";

      v = start;
      EXPECT_EQ(BTS(&v, b), !wasSet);
      EXPECT_EQ(v, start | mask);
      v = start;
      EXPECT_EQ(BTR(&v, b), wasSet);
      EXPECT_EQ(v, start & ~mask);
      v = start;
      EXPECT_EQ(BTC(&v, b), wasSet);
      EXPECT_EQ(v, start ^ mask);

      v = start;
      BS(&v, b);
      EXPECT_EQ(v, start | mask);
      v = start;
      BR(&v, b);
      EXPECT_EQ(v, start & ~mask);
      v = start;
      BC(&v, b);
      EXPECT_EQ(v, start ^ mask);
    }
  }
}

TEST(BitTests, BitNumbersOutsideTheValueActModulo32AndStayInside) {
  const int32_t numbers[] = {32, 33, 63, 64, 100, -1, -32, -33, 1000000, INT_MAX, INT_MIN};
  for (int32_t b : numbers) {
    const uint32_t mask = uint32_t{1} << (static_cast<uint32_t>(b) & 31u);
    GuardedValue g(0x0F0F0F0Fu);
    const uint32_t start = g.Get();
    EXPECT_EQ(BT(g.Address(), b), (start & mask) != 0) << b;
    EXPECT_EQ(BTS(g.Address(), b), (start & mask) == 0) << b;
    EXPECT_EQ(g.Get(), start | mask) << b;
    BR(g.Address(), b);
    BC(g.Address(), b);
    BS(g.Address(), b);
    BTR(g.Address(), b);
    BTC(g.Address(), b);
    EXPECT_EQ(g.Get(), start | mask) << b;
    EXPECT_TRUE(g.GuardsIntact()) << b;
  }
}

// Starts `count` threads that run body(thread number) from the same moment on.
template <class Body>
void RunTogether(int count, Body body) {
  std::atomic<int> ready{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < count; ++t) {
    threads.emplace_back([&, t] {
      ready.fetch_add(1);
      while (ready.load() < count) std::this_thread::yield();
      body(t);
    });
  }
  for (std::thread& th : threads) th.join();
}

constexpr int kThreads = 4;

// Several threads apply `claim` to the same bits at once, starting from `start`; each
// bit must go to exactly one of them and every word must end as `end`.
template <class Claim>
void ExpectOneWinnerPerBit(Claim claim, uint32_t start, uint32_t end) {
  constexpr int kWords = 256;
  constexpr int kRounds = 10;
  std::vector<uint32_t> shared(kWords);
  for (int round = 0; round < kRounds; ++round) {
    std::fill(shared.begin(), shared.end(), start);
    std::vector<std::vector<int>> wins(kThreads, std::vector<int>(kWords * 32));
    RunTogether(kThreads, [&](int t) {
      for (int w = 0; w < kWords; ++w)
        for (int b = 0; b < 32; ++b) wins[t][w * 32 + b] = claim(&shared[w], b);
    });
    for (int w = 0; w < kWords; ++w) {
      ASSERT_EQ(shared[w], end);
      for (int b = 0; b < 32; ++b) {
        int winners = 0;
        for (int t = 0; t < kThreads; ++t) winners += wins[t][w * 32 + b];
        ASSERT_EQ(winners, 1) << "round " << round << " word " << w << " bit " << b;
      }
    }
  }
}

TEST(BitTests, AtomicSetHasExactlyOneWinnerPerBit) {
  ExpectOneWinnerPerBit([](void* v, int32_t b) { return BTS(v, b); }, 0u, 0xFFFFFFFFu);
}

// The 32 bits of one value are 32 tokens: a thread takes one with BTR and gives it back
// with BTS. With both atomic, no token is ever held twice, so every give-back finds the
// bit clear, and all tokens are home at the end.
TEST(BitTests, AtomicResetAndSetNeverHandOneBitToTwoThreads) {
  constexpr int kAttempts = 1000000;
  alignas(4) uint32_t tokens = 0xFFFFFFFFu;
  std::atomic<int> taken{0}, foundAlreadyBack{0};
  RunTogether(kThreads, [&](int t) {
    int mine = 0, clashes = 0;
    for (int i = 0; i < kAttempts; ++i) {
      const int32_t bit = (i * 7 + t) & 31;
      if (!BTR(&tokens, bit)) continue;
      ++mine;
      if (!BTS(&tokens, bit)) ++clashes;
    }
    taken += mine;
    foundAlreadyBack += clashes;
  });
  EXPECT_EQ(tokens, 0xFFFFFFFFu);
  EXPECT_EQ(foundAlreadyBack.load(), 0);
  EXPECT_GT(taken.load(), 0);
}

// Every thread toggles each bit the same even number of times, so the value ends where
// it started unless a toggle was lost.
TEST(BitTests, AtomicComplementLosesNoToggle) {
  constexpr int kToggles = 64000;
  alignas(4) uint32_t shared = 0x0000FFFFu;
  std::atomic<int> setBefore{0};
  RunTogether(kThreads, [&](int) {
    int mine = 0;
    for (int i = 0; i < kToggles; ++i) mine += BTC(&shared, i & 31);
    setBefore += mine;
  });
  EXPECT_EQ(shared, 0x0000FFFFu);
  // Each bit went set->clear exactly as often as clear->set.
  EXPECT_EQ(setBefore.load(), kThreads * kToggles / 2);
}

TEST(BitScans, WorkedExamples) {
  uint32_t v = 40;
  EXPECT_EQ(BSF(&v), 3);
  EXPECT_EQ(BSR(&v), 5);
  v = 0x80000000u;
  EXPECT_EQ(BSF(&v), 31);
  EXPECT_EQ(BSR(&v), 31);
  v = 1;
  EXPECT_EQ(BSF(&v), 0);
  EXPECT_EQ(BSR(&v), 0);
  v = 0;
  EXPECT_TRUE(InNoBitRange(BSF(&v))) << BSF(&v);
  EXPECT_TRUE(InNoBitRange(BSR(&v))) << BSR(&v);
  EXPECT_EQ(v, 0u);
}

TEST(BitScans, AgreeWithALoopOverTheBits) {
  uint32_t v = 0x9E3779B9u;
  for (int i = 0; i < 2000; ++i) {
    v = v * 1664525u + 1013904223u;
    uint32_t value = v >> (i % 32);
    if (value == 0) continue;
    int lowest = 0, highest = 31;
    while (!(value & (uint32_t{1} << lowest))) ++lowest;
    while (!(value & (uint32_t{1} << highest))) --highest;
    EXPECT_EQ(BSF(&value), lowest) << value;
    EXPECT_EQ(BSR(&value), highest) << value;
  }
}

// Bit i moves to bit (i + n) mod 32, with n the count taken mathematically modulo 32.
uint32_t RotateLeftByBits(uint32_t value, int64_t count) {
  const int64_t n = ((count % 32) + 32) % 32;
  uint32_t out = 0;
  for (int i = 0; i < 32; ++i)
    if (value & (uint32_t{1} << i)) out |= uint32_t{1} << ((i + n) % 32);
  return out;
}

TEST(Rotations, WorkedExamples) {
  uint32_t v = 0x80000001u;
  EXPECT_EQ(static_cast<uint32_t>(BROL(&v, 1)), 3u);
  EXPECT_EQ(static_cast<uint32_t>(BROL(&v, 32)), 0x80000001u);
  EXPECT_EQ(BROL(&v, 33), BROL(&v, 1));
  EXPECT_EQ(v, 0x80000001u) << "BROL must not store";
  EXPECT_EQ(static_cast<uint32_t>(BROLS(&v, 1)), 3u);
  EXPECT_EQ(v, 3u);

  v = 1;
  EXPECT_EQ(static_cast<uint32_t>(BRORS(&v, 1)), 0x80000000u);
  EXPECT_EQ(v, 0x80000000u);
  EXPECT_EQ(static_cast<uint32_t>(BROR(&v, 0)), 0x80000000u);
}

TEST(Rotations, CountsActModulo32IncludingNegativeOnes) {
  const int32_t counts[] = {0, 1, 4, 31, 32, 33, 63, 64, 65, -1, -4, -31, -32, -33, INT_MAX, INT_MIN};
  const uint32_t values[] = {0x80000001u, 0x12345678u, 0xF0000000u, 1u};
  for (uint32_t value : values) {
    for (int32_t count : counts) {
      GuardedValue g(value);
      const uint32_t left = RotateLeftByBits(value, count);
      const uint32_t right = RotateLeftByBits(value, -static_cast<int64_t>(count));
      EXPECT_EQ(static_cast<uint32_t>(BROL(g.Address(), count)), left) << value << " " << count;
      EXPECT_EQ(static_cast<uint32_t>(BROR(g.Address(), count)), right) << value << " " << count;
      EXPECT_EQ(g.Get(), value);
      EXPECT_EQ(static_cast<uint32_t>(BROLS(g.Address(), count)), left);
      EXPECT_EQ(g.Get(), left);
      g.Set(value);
      EXPECT_EQ(static_cast<uint32_t>(BRORS(g.Address(), count)), right);
      EXPECT_EQ(g.Get(), right);
      EXPECT_TRUE(g.GuardsIntact());
    }
  }
  uint32_t v = 0x80000000u;
  EXPECT_EQ(BROL(&v, -1), BROL(&v, 31));
  EXPECT_EQ(static_cast<uint32_t>(BROL(&v, -1)), 0x40000000u);
}

TEST(ByteOrder, SwapReversesTheBytesAndLeavesTheValue) {
  const unsigned char bytes[4] = {0x01, 0x02, 0x03, 0x04};
  uint32_t v;
  std::memcpy(&v, bytes, 4);
  const int32_t r = BSWAP(&v);
  unsigned char out[4];
  std::memcpy(out, &r, 4);
  EXPECT_EQ(out[0], 0x04);
  EXPECT_EQ(out[1], 0x03);
  EXPECT_EQ(out[2], 0x02);
  EXPECT_EQ(out[3], 0x01);
  EXPECT_EQ(std::memcmp(&v, bytes, 4), 0);
}

TEST(Exchanges, EachWidthExchangesOnlyItsLowestBytes) {
  uint32_t a = 0x11223344u, b = 0xAABBCCDDu;
  SWAPB(&a, &b);
  EXPECT_EQ(a, 0x112233DDu);
  EXPECT_EQ(b, 0xAABBCC44u);
  a = 0x11223344u, b = 0xAABBCCDDu;
  SWAPS(&a, &b);
  EXPECT_EQ(a, 0x1122CCDDu);
  EXPECT_EQ(b, 0xAABB3344u);
  a = 0x11223344u, b = 0xAABBCCDDu;
  SWAPL(&a, &b);
  EXPECT_EQ(a, 0xAABBCCDDu);
  EXPECT_EQ(b, 0x11223344u);
  SWAPL(&a, &a);
  EXPECT_EQ(a, 0xAABBCCDDu);
}

TEST(Exchanges, WorkOnUnalignedAddresses) {
  unsigned char buffer[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  SWAPL(buffer + 1, buffer + 7);
  const unsigned char expected[12] = {1, 8, 9, 10, 11, 6, 7, 2, 3, 4, 5, 12};
  EXPECT_EQ(std::memcmp(buffer, expected, 12), 0);
  EXPECT_EQ(BSF(buffer + 3), 1);  // bytes 10 11 6 7: the lowest byte is 1010b
}

}  // namespace
}  // namespace qor::app
