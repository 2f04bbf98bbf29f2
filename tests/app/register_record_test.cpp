#include "app/register_record.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "app/routines.h"
#include "runtime/builtins/random.h"

namespace qor::app {
namespace {

std::string Hex(const RegisterRecord& r) { return std::string(r.H, sizeof r.H); }
std::string Bits(const RegisterRecord& r) { return std::string(r.B, sizeof r.B); }

RegisterRecord Holding(uint32_t value) {
  RegisterRecord r{};
  r.U = value;
  BuildViews(r);
  return r;
}

TEST(RegisterRecord, LayoutIsFiftyFourBytesWithTheValueOverlaid) {
  EXPECT_EQ(sizeof(RegisterRecord), 54u);
  EXPECT_EQ(offsetof(RegisterRecord, H), 4u);
  EXPECT_EQ(offsetof(RegisterRecord, B), 15u);
  RegisterRecord r{};
  r.U = 0x04030201u;
  unsigned char raw[54];
  std::memcpy(raw, &r, sizeof raw);
  EXPECT_EQ(raw[0], 0x01);  // B1, the least significant byte, comes first
  EXPECT_EQ(raw[3], 0x04);
  EXPECT_EQ(r.BG.B1, 1);
  EXPECT_EQ(r.BG.B2, 2);
  EXPECT_EQ(r.BG.B3, 3);
  EXPECT_EQ(r.BG.B4, 4);
}

TEST(RegisterRecord, AllOnesReadsAsMinusOneAndEveryByte255) {
  RegisterRecord r = Holding(0xFFFFFFFFu);
  EXPECT_EQ(r.U, 4294967295u);
  EXPECT_EQ(r.L, -1);
  EXPECT_EQ(r.BG.B1, 255);
  EXPECT_EQ(r.BG.B2, 255);
  EXPECT_EQ(r.BG.B3, 255);
  EXPECT_EQ(r.BG.B4, 255);
  EXPECT_EQ(Hex(r), "FF FF FF FF");
  EXPECT_EQ(Bits(r), "1111 1111 1111 1111 1111 1111 1111 1111");
}

TEST(RegisterRecord, TopBitAloneReadsAsTheMostNegativeNumber) {
  RegisterRecord r = Holding(0x80000000u);
  EXPECT_EQ(r.L, -2147483647 - 1);
  EXPECT_EQ(r.BG.B4, 128);
  EXPECT_EQ(r.BG.B1, 0);
  EXPECT_EQ(Hex(r), "80 00 00 00");
  EXPECT_EQ(Bits(r), "1000 0000 0000 0000 0000 0000 0000 0000");
}

TEST(RegisterRecord, ViewsOfSmallValues) {
  EXPECT_EQ(Hex(Holding(165)), "00 00 00 A5");
  EXPECT_EQ(Bits(Holding(165)), "0000 0000 0000 0000 0000 0000 1010 0101");
  EXPECT_EQ(Hex(Holding(0)), "00 00 00 00");
  EXPECT_EQ(Hex(Holding(0x12345678u)), "12 34 56 78");
  EXPECT_EQ(Bits(Holding(0x12345678u)), "0001 0010 0011 0100 0101 0110 0111 1000");
  EXPECT_EQ(Hex(Holding(0xDEADBEEFu)), "DE AD BE EF");
}

TEST(RegisterRecord, WritingAByteWritesTheValue) {
  RegisterRecord r = Holding(0);
  r.BG.B1 = 1;
  BuildViews(r);
  EXPECT_EQ(r.U, 1u);
  EXPECT_EQ(Hex(r), "00 00 00 01");
  r.L = -2;
  EXPECT_EQ(r.U, 0xFFFFFFFEu);
}

TEST(RegisterRecord, TypedViewTextLastsOnlyUntilTheNextBuild) {
  RegisterRecord r = Holding(7);
  std::memcpy(r.H, "ZZ ZZ ZZ ZZ", 11);
  std::memset(r.B, '9', sizeof r.B);
  EXPECT_EQ(r.U, 7u);
  BuildViews(r);
  EXPECT_EQ(Hex(r), "00 00 00 07");
  EXPECT_EQ(Bits(r), "0000 0000 0000 0000 0000 0000 0000 0111");
}

TEST(RegisterRecord, ZeroAndCopyChangeOnlyTheValue) {
  RegisterRecord a = Holding(0x12345678u), b = Holding(0x9ABCDEF0u);
  CopyRegister(a, b);
  EXPECT_EQ(a.U, 0x9ABCDEF0u);
  EXPECT_EQ(b.U, 0x9ABCDEF0u);
  EXPECT_EQ(Hex(a), "12 34 56 78") << "views follow only at the next build";
  BuildViews(a);
  EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "all eight views equal after the build";
  ZeroRegister(a);
  EXPECT_EQ(a.U, 0u);
  EXPECT_EQ(Hex(a), "9A BC DE F0");
}

TEST(RegisterRecord, RandomFillTakesTheWholeRangeFromTheRuntime) {
  rt::SeedRandom(1);
  RegisterRecord r{};
  RandomFillRegister(r);
  EXPECT_EQ(r.U, 1544340623u);
  RandomFillRegister(r);
  EXPECT_EQ(r.U, 451373163u);
  RandomFillRegister(r);
  EXPECT_EQ(r.L, -1866626557) << "values with the top bit set read as negative";
}

TEST(RegisterRecord, RoutinesWorkOnTheValueInPlace) {
  alignas(4) RegisterRecord r = Holding(0);
  EXPECT_EQ(BTS(&r, 5), 1);
  EXPECT_EQ(r.U, 32u);
  EXPECT_EQ(Hex(r), "00 00 00 00");
  BuildViews(r);
  EXPECT_EQ(Hex(r), "00 00 00 20");
}

}  // namespace
}  // namespace qor::app
