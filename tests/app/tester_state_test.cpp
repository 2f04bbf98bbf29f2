#include "app/tester_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qor::app {
namespace {

std::string Text(const char* p, size_t n) { return std::string(p, n); }

TEST(TesterState, ProcedureStartValues) {
  TesterState s;
  s.V1.U = 5;
  s.GL = 7;
  SetProcedureStartValues(s);
  for (const RegisterRecord* r : {&s.V1, &s.V2, &s.V3}) {
    EXPECT_EQ(r->U, 0u);
    EXPECT_EQ(Text(r->H, 11), std::string(11, ' '));
    EXPECT_EQ(Text(r->B, 39), std::string(39, ' '));
  }
  EXPECT_EQ(Text(s.G1, 90), std::string(90, ' '));
  EXPECT_EQ(Text(s.G2, 90), std::string(90, ' '));
  EXPECT_EQ(s.G1S, 0);
  EXPECT_EQ(s.G2S, 0);
  EXPECT_EQ(s.GL, 0);
  EXPECT_EQ(s.SH1[0], ' ');
  EXPECT_EQ(s.G1Slice.address, nullptr);
  EXPECT_EQ(s.G1Slice.length, 0);
  EXPECT_EQ(s.G2Slice.address, nullptr);
  EXPECT_EQ(s.ButtonDelay, 0);
  EXPECT_EQ(s.ButtonRepeat, 0);
  EXPECT_EQ(s.FlashCount, 0);
}

TEST(TesterState, WindowOpenValues) {
  TesterState s;
  SetProcedureStartValues(s);
  s.V2.U = 99;
  SetWindowOpenValues(s);
  std::string nineTimes;
  for (int i = 0; i < 9; ++i) nineTimes += "1234567890";
  EXPECT_EQ(Text(s.G1, 90), nineTimes);
  EXPECT_EQ(Text(s.G2, 90), std::string(90, 'x'));
  EXPECT_EQ(s.SH1[0], '#');
  EXPECT_EQ(s.G1S, 1);
  EXPECT_EQ(s.G2S, 1);
  EXPECT_EQ(s.GL, 90);
  EXPECT_EQ(s.G1Slice.address, s.G1);
  EXPECT_EQ(s.G1Slice.length, 90);
  EXPECT_EQ(s.G2Slice.address, s.G2);
  EXPECT_EQ(s.G2Slice.length, 90);
  EXPECT_EQ(s.ButtonDelay, 20);
  EXPECT_EQ(s.ButtonRepeat, 10);
  EXPECT_EQ(s.FlashCount, 0);
  EXPECT_EQ(s.V2.U, 99u) << "the registers keep their values";
}

TEST(TesterState, RegistersAreAlignedForTheAtomicRoutines) {
  TesterState s;
  for (const RegisterRecord* r : {&s.V1, &s.V2, &s.V3})
    EXPECT_EQ(reinterpret_cast<uintptr_t>(&r->U) % 4, 0u);
}

TEST(TesterState, RefreshBuildsEveryRegisterThenRedisplaysOnce) {
  TesterState s;
  SetProcedureStartValues(s);
  s.V1.U = 1;
  s.V2.U = 0xA5;
  s.V3.U = 0xFFFFFFFFu;
  std::vector<std::string> seenAtRedisplay;
  s.redisplay = [&] { seenAtRedisplay.push_back(Text(s.V3.H, 11)); };
  RefreshViews(s);
  EXPECT_EQ(Text(s.V1.H, 11), "00 00 00 01");
  EXPECT_EQ(Text(s.V2.H, 11), "00 00 00 A5");
  EXPECT_EQ(seenAtRedisplay, std::vector<std::string>{"FF FF FF FF"}) << "views are built before the redisplay";
}

TEST(TesterState, RefreshWithoutAWindowOnlyBuildsTheViews) {
  TesterState s;
  SetProcedureStartValues(s);
  s.V1.U = 0x80000000u;
  RefreshViews(s);
  EXPECT_EQ(Text(s.V1.B, 39), "1000 0000 0000 0000 0000 0000 0000 0000");
}

}  // namespace
}  // namespace qor::app
