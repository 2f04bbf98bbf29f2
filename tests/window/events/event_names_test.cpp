// Event codes and their trace names.
#include <gtest/gtest.h>

#include "window/events/event_codes.h"

namespace qor::win {
namespace {

TEST(EventNames, EveryGroupKeepsItsNumbersAndNames) {
  EXPECT_EQ(EventName(event::Accepted), "EVENT:Accepted");
  EXPECT_EQ(EventName(0x1E), "EVENT:ColumnResize");
  EXPECT_EQ(EventName(event::Rejected), "EVENT:Rejected");
  EXPECT_EQ(event::Rejected, 0x1Au);
  EXPECT_EQ(EventName(0x101), "EVENT:Selected");
  EXPECT_EQ(EventName(0x201), "EVENT:CloseWindow");
  EXPECT_EQ(EventName(0x206), "EVENT:GainFocus");
  EXPECT_EQ(EventName(0x208), "EVENT:Suspend");
  EXPECT_EQ(EventName(0x20B), "EVENT:Timer");
  EXPECT_EQ(EventName(0x211), "EVENT:DDEclosed");
  EXPECT_EQ(EventName(0x225), "EVENT:Completed");
  EXPECT_EQ(EventName(0x236), "EVENT:UnDocked");
  EXPECT_EQ(EventName(0x242), "EVENT:BuildDone");
}

TEST(EventNames, CodesWithoutANameShowTheirNumber) {
  EXPECT_EQ(EventName(0x207), "EVENT:207h");  // not used
  EXPECT_EQ(EventName(0x400), "EVENT:400h");
  EXPECT_EQ(EventName(0), "EVENT:0h");
  EXPECT_EQ(EventName(0xFFFF), "EVENT:FFFFh");
}

}  // namespace
}  // namespace qor::win
