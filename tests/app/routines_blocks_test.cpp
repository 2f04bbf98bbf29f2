// The block routines, against a byte-at-a-time model of each and with guard bytes
// around every block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/routines.h"

namespace qor::app {
namespace {

using Bytes = std::vector<unsigned char>;

// ---- The model: each routine done one byte (or one bit) at a time, as described ----

void ModelSwap(unsigned char* a, unsigned char* b, int n) {
  for (int i = 0; i < n; ++i) {
    unsigned char t = a[i];
    a[i] = b[i];
    b[i] = t;
  }
}

void ModelRotateLeft(unsigned char* a, int n) {
  if (n < 1) return;
  unsigned char saved = a[0];
  for (int i = 0; i <= n - 2; ++i) a[i] = a[i + 1];
  a[n - 1] = saved;
}

void ModelRotateRight(unsigned char* a, int n) {
  if (n < 1) return;
  unsigned char saved = a[n - 1];
  for (int i = n - 1; i >= 1; --i) a[i] = a[i - 1];
  a[0] = saved;
}

int ModelShiftLeft(unsigned char* a, int n, unsigned char fill) {
  unsigned char carried = fill;
  for (int i = n - 1; i >= 0; --i) {
    unsigned char out = a[i];
    a[i] = carried;
    carried = out;
  }
  return carried;
}

int ModelShiftRight(unsigned char* a, int n, unsigned char fill) {
  unsigned char carried = fill;
  for (int i = 0; i < n; ++i) {
    unsigned char out = a[i];
    a[i] = carried;
    carried = out;
  }
  return carried;
}

void ModelBitRotateLeft(unsigned char* a, int n) {
  if (n < 1) return;
  int carry = a[0] >> 7;
  for (int i = n - 1; i >= 0; --i) {
    int out = a[i] >> 7;
    a[i] = static_cast<unsigned char>((a[i] << 1) | carry);
    carry = out;
  }
}

void ModelBitRotateRight(unsigned char* a, int n) {
  if (n < 1) return;
  int carry = a[n - 1] & 1;
  for (int i = 0; i < n; ++i) {
    int out = a[i] & 1;
    a[i] = static_cast<unsigned char>((a[i] >> 1) | (carry << 7));
    carry = out;
  }
}

// ---- Fixtures ---------------------------------------------------------------------------

constexpr int kGuard = 48;
constexpr unsigned char kGuardByte = 0x5A;

// A block at a chosen misalignment inside a buffer whose other bytes are guards.
struct GuardedBlock {
  Bytes buffer;
  int offset;
  int length;
  GuardedBlock(const Bytes& content, int misalignment)
      : buffer(content.size() + 2 * kGuard + 16, kGuardByte),
        offset(kGuard + misalignment),
        length(static_cast<int>(content.size())) {
    std::copy(content.begin(), content.end(), buffer.begin() + offset);
  }
  unsigned char* Data() { return buffer.data() + offset; }
  Bytes Content() const { return Bytes(buffer.begin() + offset, buffer.begin() + offset + length); }
  bool GuardsIntact() const {
    for (int i = 0; i < static_cast<int>(buffer.size()); ++i)
      if ((i < offset || i >= offset + length) && buffer[i] != kGuardByte) return false;
    return true;
  }
};

Bytes RandomBytes(std::mt19937& rng, int n) {
  Bytes b(static_cast<size_t>(n));
  for (unsigned char& c : b) c = static_cast<unsigned char>(rng());
  return b;
}

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Short blocks and long ones take different paths; every length up to this one is
// checked, at several misalignments.
constexpr int kLongestChecked = 300;

// Runs one routine and its model on the same content for many lengths and offsets.
template <class Routine, class Model>
void CheckAgainstModel(const char* name, Routine routine, Model model) {
  std::mt19937 rng(12345);
  for (int n = 0; n <= kLongestChecked; ++n) {
    for (int misalignment : {0, 1, 7, 31}) {
      Bytes content = RandomBytes(rng, n);
      Bytes expected = content;
      const int expectedResult = model(expected.data(), n);
      GuardedBlock block(content, misalignment);
      const int result = routine(block.Data(), n);
      ASSERT_EQ(block.Content(), expected) << name << " length " << n;
      ASSERT_EQ(result, expectedResult) << name << " length " << n;
      ASSERT_TRUE(block.GuardsIntact()) << name << " length " << n;
    }
  }
}

TEST(BlockRoutines, MatchTheByteAtATimeModelForEveryLengthUpTo300) {
  CheckAgainstModel(
      "GROL", [](unsigned char* a, int n) { return GROL(a, n), 0; },
      [](unsigned char* a, int n) { return ModelRotateLeft(a, n), 0; });
  CheckAgainstModel(
      "GROR", [](unsigned char* a, int n) { return GROR(a, n), 0; },
      [](unsigned char* a, int n) { return ModelRotateRight(a, n), 0; });
  CheckAgainstModel(
      "GBRL", [](unsigned char* a, int n) { return GBRL(a, n), 0; },
      [](unsigned char* a, int n) { return ModelBitRotateLeft(a, n), 0; });
  CheckAgainstModel(
      "GBRR", [](unsigned char* a, int n) { return GBRR(a, n), 0; },
      [](unsigned char* a, int n) { return ModelBitRotateRight(a, n), 0; });
  for (int fill : {0x00, 0x23, 0xFF}) {
    const auto f = static_cast<uint8_t>(fill);
    // A zero length returns the fill byte: nothing was shifted, so the fill is carried out.
    CheckAgainstModel(
        "GSHL", [f](unsigned char* a, int n) { return GSHL(a, n, f); },
        [f](unsigned char* a, int n) { return ModelShiftLeft(a, n, f); });
    CheckAgainstModel(
        "GSHR", [f](unsigned char* a, int n) { return GSHR(a, n, f); },
        [f](unsigned char* a, int n) { return ModelShiftRight(a, n, f); });
  }
}

// Each block sits alone in a heap allocation of exactly its size, so that a read past
// either end is caught when the tests run under AddressSanitizer.
TEST(BlockRoutines, ReadNothingOutsideTheirBlocks) {
  std::mt19937 rng(3);
  for (int n = 1; n <= kLongestChecked; ++n) {
    auto first = std::make_unique<unsigned char[]>(static_cast<size_t>(n));
    auto second = std::make_unique<unsigned char[]>(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) first[i] = second[i] = static_cast<unsigned char>(rng());
    GROL(first.get(), n);
    GROR(first.get(), n);
    GSHL(first.get(), n, 0x23);
    GSHR(first.get(), n, 0x23);
    GBRL(first.get(), n);
    GBRR(first.get(), n);
    SWAPG(first.get(), second.get(), n);
    ASSERT_EQ(second[0], 0x23) << "the shifts brought the fill byte to byte 0 and back";
  }
}

TEST(BlockRoutines, WorkedExamples) {
  Bytes b = FromText("1234");
  GROL(b.data(), 4);
  EXPECT_EQ(b, FromText("2341"));
  b = FromText("1234");
  GROR(b.data(), 4);
  EXPECT_EQ(b, FromText("4123"));
  b = FromText("1");
  GROL(b.data(), 1);
  GROR(b.data(), 1);
  EXPECT_EQ(b, FromText("1"));

  b = FromText("1234");
  EXPECT_EQ(GSHL(b.data(), 4, 0x23), 0x31);
  EXPECT_EQ(b, FromText("234#"));
  b = FromText("1234");
  EXPECT_EQ(GSHR(b.data(), 4, 0x23), 0x34);
  EXPECT_EQ(b, FromText("#123"));

  b = {0x80, 0x01};
  GBRL(b.data(), 2);
  EXPECT_EQ(b, (Bytes{0x00, 0x03}));
  b = {0x01, 0x01};
  GBRR(b.data(), 2);
  EXPECT_EQ(b, (Bytes{0x80, 0x80}));
  b = {0x01, 0x80};
  GBRR(b.data(), 2);
  EXPECT_EQ(b, (Bytes{0x00, 0xC0}));
  b = {0x80};
  GBRL(b.data(), 1);
  EXPECT_EQ(b, (Bytes{0x01}));
}

TEST(BlockRoutines, ZeroAndNegativeLengthsTouchNothing) {
  for (int n : {0, -1, -65536, INT32_MIN}) {
    GuardedBlock block(Bytes{}, 0);
    GROL(block.Data(), n);
    GROR(block.Data(), n);
    GBRL(block.Data(), n);
    GBRR(block.Data(), n);
    EXPECT_EQ(GSHL(block.Data(), n, 0x41), 0x41);
    EXPECT_EQ(GSHR(block.Data(), n, 0x42), 0x42);
    SWAPG(block.Data(), block.Data() + 8, n);
    EXPECT_TRUE(block.GuardsIntact()) << n;
  }
}

TEST(BlockRoutines, LengthsAbove65535AreHonouredInFull) {
  std::mt19937 rng(7);
  const int n = 70000;
  Bytes content = RandomBytes(rng, n);
  Bytes expected = content;
  ModelBitRotateRight(expected.data(), n);
  GuardedBlock block(content, 1);
  GBRR(block.Data(), n);
  EXPECT_EQ(block.Content(), expected);
  EXPECT_TRUE(block.GuardsIntact());
}

TEST(BlockSwap, MatchesTheModelForDisjointBlocks) {
  std::mt19937 rng(99);
  for (int n = 1; n <= kLongestChecked; ++n) {
    Bytes first = RandomBytes(rng, n), second = RandomBytes(rng, n);
    GuardedBlock a(first, n % 32), b(second, (n * 7) % 32);
    SWAPG(a.Data(), b.Data(), n);
    ASSERT_EQ(a.Content(), second) << n;
    ASSERT_EQ(b.Content(), first) << n;
    ASSERT_TRUE(a.GuardsIntact());
    ASSERT_TRUE(b.GuardsIntact());
  }
}

// Overlapping blocks: the result is what the first-to-last walk of single exchanges gives.
TEST(BlockSwap, OverlappingBlocksFollowTheFirstToLastWalk) {
  std::mt19937 rng(5);
  for (int n : {1, 2, 7, 16, 33, 90, 129, 200}) {
    for (int distance : {-130, -17, -3, -1, 0, 1, 2, 5, 16, 31, 40, 128, 129, 201}) {
      const int span = n + (distance < 0 ? -distance : distance);
      Bytes content = RandomBytes(rng, span);
      const int firstAt = distance < 0 ? -distance : 0;
      Bytes expected = content;
      ModelSwap(expected.data() + firstAt, expected.data() + firstAt + distance, n);
      GuardedBlock block(content, 0);
      SWAPG(block.Data() + firstAt, block.Data() + firstAt + distance, n);
      ASSERT_EQ(block.Content(), expected) << "n " << n << " distance " << distance;
      ASSERT_TRUE(block.GuardsIntact());
    }
  }
}

}  // namespace
}  // namespace qor::app
