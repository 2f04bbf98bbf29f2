#include "app/block_slices.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "app/routines.h"

namespace qor::app {
namespace {

TesterState OpenedState() {
  TesterState s;
  SetProcedureStartValues(s);
  SetWindowOpenValues(s);
  return s;
}

void ExpectWithinBlocks(const TesterState& s) {
  ASSERT_GE(s.G1Slice.length, 1);
  EXPECT_GE(s.G1Slice.address, s.G1);
  EXPECT_LE(s.G1Slice.address + s.G1Slice.length, s.G1 + kBlockSize);
  EXPECT_GE(s.G2Slice.address, s.G2);
  EXPECT_LE(s.G2Slice.address + s.G2Slice.length, s.G2 + kBlockSize);
  EXPECT_EQ(s.G1Slice.length, s.GL);
  EXPECT_EQ(s.G2Slice.length, s.GL);
}

TEST(BlockSlices, ValuesWithinTheBlocksAreTakenAsTheyAre) {
  TesterState s = OpenedState();
  s.G1S = 11;
  s.G2S = 3;
  s.GL = 20;
  ComputeSlices(s);
  EXPECT_EQ(s.G1Slice.address, s.G1 + 10);
  EXPECT_EQ(s.G2Slice.address, s.G2 + 2);
  EXPECT_EQ(s.GL, 20);
  EXPECT_EQ(s.G1Slice.length, 20);
  s.G1S = 1;
  s.G2S = 1;
  s.GL = 90;
  ComputeSlices(s);
  EXPECT_EQ(s.G1Slice.address, s.G1);
  EXPECT_EQ(s.G1Slice.length, 90);
}

TEST(BlockSlices, TheLimitingRuleInItsOrder) {
  TesterState s = OpenedState();
  s.G1S = 90;
  LimitSliceFields(s);
  EXPECT_EQ(s.GL, 1) << "a start of 90 leaves room for one byte";

  s.G1S = 200;
  s.G2S = -5;
  s.GL = 0;
  LimitSliceFields(s);
  EXPECT_EQ(s.G1S, 90);
  EXPECT_EQ(s.G2S, 1);
  EXPECT_EQ(s.GL, 1);

  s.G1S = 30;
  s.G2S = 71;
  s.GL = 90;
  LimitSliceFields(s);
  EXPECT_EQ(s.GL, 20) << "cut first to 61 by G1S, then to 20 by G2S";
}

// Typed values are stored as typed; the slices must still stay inside the blocks.
TEST(BlockSlices, NoTypedValueGivesASliceOutsideTheBlocks) {
  const int32_t values[] = {INT_MIN, -1000, -1, 0, 1, 2, 45, 89, 90, 91, 1000, INT_MAX};
  for (int32_t g1s : values)
    for (int32_t g2s : values)
      for (int32_t gl : values) {
        TesterState s = OpenedState();
        s.G1S = g1s;
        s.G2S = g2s;
        s.GL = gl;
        ComputeSlices(s);
        ExpectWithinBlocks(s);
        if (HasFailure()) FAIL() << g1s << " " << g2s << " " << gl;
      }
}

TEST(BlockSlices, SliceOperationsOnLimitedValuesStayInTheirBlocks) {
  TesterState s = OpenedState();
  const std::string g2Before(s.G2, kBlockSize);
  s.G1S = 90;
  s.GL = 50;
  ComputeSlices(s);
  GROL(s.G1Slice.address, s.GL);
  EXPECT_EQ(std::string(s.G1, kBlockSize).substr(80), "1234567890") << "a one-byte rotation changes nothing";
  s.SH1[0] = static_cast<char>(GSHL(s.G1Slice.address, s.GL, static_cast<uint8_t>(s.SH1[0])));
  EXPECT_EQ(s.SH1[0], '0');
  EXPECT_EQ(s.G1[89], '#');
  EXPECT_EQ(std::string(s.G2, kBlockSize), g2Before);
}

TEST(BlockSlices, SwappingWholeSlicesEqualsSwappingTheBlocks) {
  TesterState a = OpenedState(), b = OpenedState();
  ComputeSlices(a);
  SWAPG(a.G1Slice.address, a.G2Slice.address, a.GL);
  SWAPG(b.G1, b.G2, 90);
  EXPECT_EQ(std::string(a.G1, 90), std::string(b.G1, 90));
  EXPECT_EQ(std::string(a.G2, 90), std::string(b.G2, 90));
  EXPECT_EQ(std::string(a.G1, 90), std::string(90, 'x'));
}

}  // namespace
}  // namespace qor::app
