// The operation of every tester button, its check and the warning flash it starts, on
// the state alone.
#include "app/tester/tester_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/builtins/random.h"

namespace qor::app {
namespace {

TesterState Opened() {
  TesterState s;
  SetProcedureStartValues(s);
  SetWindowOpenValues(s);
  return s;
}

std::string Block(const char* block) { return std::string(block, kBlockSize); }

struct Registers {
  uint32_t v1, v2, v3;
  bool operator==(const Registers&) const = default;
};

Registers After(int32_t button, Registers start, bool* failed = nullptr) {
  TesterState s = Opened();
  s.V1.U = start.v1;
  s.V2.U = start.v2;
  s.V3.U = start.v3;
  OperationOutcome outcome = PerformOperation(s, button);
  EXPECT_TRUE(outcome.performed) << button;
  if (failed) *failed = outcome.checkFailed;
  return {s.V1.U, s.V2.U, s.V3.U};
}

TEST(TesterOperations, BitButtonsWithTheirResults) {
  // V1 = 0, V2 = 5: BTS sets the bit and says so; pressed again it says it was set.
  TesterState s = Opened();
  s.V2.U = 5;
  PerformOperation(s, 67);
  EXPECT_EQ(s.V1.U, 32u);
  EXPECT_EQ(s.V3.U, 1u);
  PerformOperation(s, 67);
  EXPECT_EQ(s.V1.U, 32u);
  EXPECT_EQ(s.V3.U, 0u);

  EXPECT_EQ(After(68, {0x30, 5, 9}), (Registers{0x10, 5, 1}));   // BTR
  EXPECT_EQ(After(68, {0x10, 5, 9}), (Registers{0x10, 5, 0}));
  EXPECT_EQ(After(69, {0x20, 5, 9}), (Registers{0x00, 5, 1}));   // BTC
  EXPECT_EQ(After(69, {0x00, 5, 9}), (Registers{0x20, 5, 0}));
  EXPECT_EQ(After(70, {0x20, 5, 9}), (Registers{0x20, 5, 1}));   // BT
  EXPECT_EQ(After(83, {0, 31, 9}), (Registers{0x80000000u, 31, 9}));  // BS leaves V3 alone
  EXPECT_EQ(After(78, {0xFF, 0, 9}), (Registers{0xFE, 0, 9}));   // BR
  EXPECT_EQ(After(79, {0xFF, 8, 9}), (Registers{0x1FF, 8, 9}));  // BC
}

TEST(TesterOperations, BitNumberOutsideZeroTo31StartsTheFlashAndTouchesNothing) {
  for (int32_t button : {67, 68, 69, 70, 83, 78, 79}) {
    for (uint32_t v2 : {32u, 33u, 0xFFFFFFFFu}) {
      bool failed = false;
      EXPECT_EQ(After(button, {0x12345678, v2, 0xABCD}, &failed), (Registers{0x12345678, v2, 0xABCD}))
          << button << " with V2 " << v2;
      EXPECT_TRUE(failed);
    }
    bool failed = true;
    After(button, {0, 31, 0}, &failed);
    EXPECT_FALSE(failed) << button;
    EXPECT_EQ(CheckOf(button), OperationCheck::BitNumber);
  }
}

TEST(TesterOperations, RotationsCheckOneTo32AndStillRunModulo32) {
  bool failed = false;
  EXPECT_EQ(After(81, {1, 0, 0}, &failed), (Registers{1, 0, 0}));  // count 0: unchanged, flash
  EXPECT_TRUE(failed);
  EXPECT_EQ(After(81, {1, 32, 0}, &failed), (Registers{1, 32, 0}));  // 32: unchanged, no flash
  EXPECT_FALSE(failed);
  EXPECT_EQ(After(81, {1, 33, 0}, &failed), (Registers{2, 33, 0}));  // 33 acts as 1, with the flash
  EXPECT_TRUE(failed);
  EXPECT_EQ(After(84, {1, 1, 0}), (Registers{0x80000000u, 1, 0}));   // BROR
  // The storing forms put the result into V1 and V3 alike.
  EXPECT_EQ(After(80, {1, 1, 0}), (Registers{0x80000000u, 1, 0x80000000u}));  // BRORS
  EXPECT_EQ(After(90, {0x80000000u, 1, 0}), (Registers{1, 1, 1}));             // BROLS
  for (int32_t button : {81, 84, 90, 80}) EXPECT_EQ(CheckOf(button), OperationCheck::RotationCount);
}

TEST(TesterOperations, ScansSwapsAndByteOrderNeedNoCheck) {
  EXPECT_EQ(After(71, {0x11223344, 0, 0}), (Registers{0x44332211, 0, 0x11223344}));  // V3 = V1 first
  EXPECT_EQ(After(82, {1, 0, 2}), (Registers{2, 0, 1}));
  EXPECT_EQ(After(85, {0xAAAA1111, 0, 0xBBBB2222}), (Registers{0xAAAA2222, 0, 0xBBBB1111}));
  EXPECT_EQ(After(86, {0xAAAAAA11, 0, 0xBBBBBB22}), (Registers{0xAAAAAA22, 0, 0xBBBBBB11}));
  EXPECT_EQ(After(120, {0x50, 0, 0}), (Registers{0x50, 0, 4}));
  EXPECT_EQ(After(121, {0x50, 0, 0}), (Registers{0x50, 0, 6}));
  TesterState s = Opened();
  PerformOperation(s, 120);  // no bit set: a negative answer
  EXPECT_LT(s.V3.L, 0);
  for (int32_t button : {71, 82, 85, 86, 120, 121}) EXPECT_EQ(CheckOf(button), OperationCheck::None);
}

TEST(TesterOperations, CopyZeroAndRandomButtons) {
  const Registers start{1, 2, 3};
  EXPECT_EQ(After(72, start), (Registers{2, 2, 3}));
  EXPECT_EQ(After(73, start), (Registers{3, 2, 3}));
  EXPECT_EQ(After(74, start), (Registers{1, 1, 3}));
  EXPECT_EQ(After(75, start), (Registers{1, 3, 3}));
  EXPECT_EQ(After(76, start), (Registers{1, 2, 1}));
  EXPECT_EQ(After(77, start), (Registers{1, 2, 2}));
  EXPECT_EQ(After(6, start), (Registers{0, 2, 3}));
  EXPECT_EQ(After(18, start), (Registers{1, 0, 3}));
  EXPECT_EQ(After(51, start), (Registers{1, 2, 0}));

  // The same seed gives the same fill; each random button fills only its register.
  rt::SeedRandom(1234);
  const Registers first = After(7, start);
  rt::SeedRandom(1234);
  EXPECT_EQ(After(7, start), first);
  EXPECT_EQ(first.v2, 2u);
  EXPECT_EQ(first.v3, 3u);
  rt::SeedRandom(1234);
  EXPECT_EQ(After(19, start), (Registers{1, first.v1, 3}));
  rt::SeedRandom(1234);
  EXPECT_EQ(After(52, start), (Registers{1, 2, first.v1}));
}

TEST(TesterOperations, WholeBlockButtons) {
  TesterState s = Opened();
  const std::string g1 = Block(s.G1);
  PerformOperation(s, 112);  // SH1 = GSHL ( G1 , 90 , SH1 ): the character, not its code
  EXPECT_EQ(s.SH1[0], '1');
  EXPECT_EQ(Block(s.G1), g1.substr(1) + "#");
  PerformOperation(s, 118);  // and back
  EXPECT_EQ(s.SH1[0], '#');
  EXPECT_EQ(Block(s.G1), g1);

  PerformOperation(s, 98);
  EXPECT_EQ(Block(s.G1), std::string(90, 'x'));
  EXPECT_EQ(Block(s.G2), g1);
  PerformOperation(s, 98);
  PerformOperation(s, 105);
  EXPECT_EQ(Block(s.G1), g1.substr(1) + g1.front());
  PerformOperation(s, 109);
  EXPECT_EQ(Block(s.G1), g1);
  PerformOperation(s, 106);
  PerformOperation(s, 110);
  EXPECT_EQ(Block(s.G1), g1);
}

TEST(TesterOperations, SliceButtonsTakeTheSlicesFirst) {
  TesterState whole = Opened();
  TesterState sliced = Opened();
  PerformOperation(whole, 98);
  PerformOperation(sliced, 101);  // G1S = G2S = 1, GL = 90: the same as the whole blocks
  EXPECT_EQ(Block(sliced.G1), Block(whole.G1));
  EXPECT_EQ(Block(sliced.G2), Block(whole.G2));

  TesterState s = Opened();
  s.G1S = 3;
  s.GL = 4;
  PerformOperation(s, 104);  // "3456" rotated left
  EXPECT_EQ(Block(s.G1).substr(0, 8), "12456378");
  PerformOperation(s, 108);
  EXPECT_EQ(Block(s.G1).substr(0, 8), "12345678");
  PerformOperation(s, 111);
  EXPECT_EQ(s.SH1[0], '3');
  EXPECT_EQ(Block(s.G1).substr(0, 8), "12456#78");
  PerformOperation(s, 117);
  EXPECT_EQ(s.SH1[0], '#');
  EXPECT_EQ(Block(s.G1).substr(0, 8), "12345678");
  for (int32_t button : {101, 104, 108, 113, 119, 111, 117}) EXPECT_EQ(CheckOf(button), OperationCheck::Slices);
}

TEST(TesterOperations, TypedSliceFieldsAreLimitedAndWrittenBackBeforeASliceOperation) {
  TesterState s = Opened();
  s.G1S = 200;
  s.G2S = -7;
  s.GL = 1000;
  const std::string g1 = Block(s.G1);
  PerformOperation(s, 113);  // the rotation must stay inside G1
  EXPECT_EQ(s.G1S, 90);
  EXPECT_EQ(s.G2S, 1);
  EXPECT_EQ(s.GL, 1);
  // Only the last byte of G1 turned: "0" (30h) one bit left is 60h.
  EXPECT_EQ(Block(s.G1), g1.substr(0, 89) + '\x60');
}

TEST(TesterOperations, ControlsWithoutAnOperationDoNothing) {
  for (int32_t control : {0, 1, 31, 50, 62, 64, 66, 92, 122}) {
    TesterState s = Opened();
    s.V1.U = 7;
    EXPECT_FALSE(HasOperation(control)) << control;
    EXPECT_FALSE(PerformOperation(s, control).performed);
    EXPECT_EQ(s.V1.U, 7u);
  }
}

TEST(TesterOperations, NumberButtonCaptions) {
  TesterState s = Opened();
  SetV2FromCaption(s, "15");
  EXPECT_EQ(s.V2.U, 15u);
  SetV2FromCaption(s, " 32 ");
  EXPECT_EQ(s.V2.U, 32u);
  SetV2FromCaption(s, "x1");
  EXPECT_EQ(s.V2.U, 0u);
  StartFlash(s);
  EXPECT_EQ(s.FlashCount, 6);
}

}  // namespace
}  // namespace qor::app
