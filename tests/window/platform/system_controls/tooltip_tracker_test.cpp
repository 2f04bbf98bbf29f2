// When a tool tip shows and hides, worked out without windows.
#include <gtest/gtest.h>

#include "window/platform/system_controls/tooltip_tracker.h"

namespace qor::ui {
namespace {

constexpr Hwnd kFirst{11};
constexpr Hwnd kSecond{12};

TEST(ToolTipTracker, RestingShowsAfterTheInitialDelayThenPopsAfterTheAutoPopTime) {
  ToolTipTracker tracker;
  TipStep step = tracker.MovedOver(kFirst);
  EXPECT_EQ(step.startTimer, 500u);
  EXPECT_FALSE(step.show);
  step = tracker.MovedOver(kFirst);  // moving again waits afresh
  EXPECT_EQ(step.startTimer, 500u);
  step = tracker.TimerDue();
  EXPECT_TRUE(step.show);
  EXPECT_EQ(step.startTimer, 5000u);
  EXPECT_EQ(tracker.Phase(), TipPhase::Shown);
  EXPECT_FALSE(tracker.MovedOver(kFirst).startTimer);  // moving within the tool keeps it
  step = tracker.TimerDue();
  EXPECT_TRUE(step.hide);
  EXPECT_EQ(tracker.Phase(), TipPhase::Closed);
  step = tracker.MovedOver(kFirst);  // closed until the mouse leaves
  EXPECT_FALSE(step.startTimer);
  EXPECT_FALSE(step.show);
}

TEST(ToolTipTracker, LeavingOrClickingHides) {
  ToolTipTracker tracker;
  tracker.MovedOver(kFirst);
  tracker.TimerDue();
  TipStep step = tracker.Clicked();
  EXPECT_TRUE(step.hide);
  EXPECT_TRUE(step.stopTimer);
  EXPECT_EQ(tracker.Phase(), TipPhase::Closed);
  step = tracker.Left();
  EXPECT_FALSE(step.hide);  // hidden already
  EXPECT_EQ(tracker.Phase(), TipPhase::Idle);
  EXPECT_EQ(tracker.MovedOver(kFirst).startTimer, 500u);  // back in: waits again
  tracker.TimerDue();
  step = tracker.Left();
  EXPECT_TRUE(step.hide);
  EXPECT_FALSE(tracker.Tool());
}

TEST(ToolTipTracker, FromOneShownTipToTheNextToolTakesTheReshowDelay) {
  ToolTipTracker tracker;
  tracker.MovedOver(kFirst);
  tracker.TimerDue();
  TipStep step = tracker.MovedOver(kSecond);
  EXPECT_TRUE(step.hide);
  EXPECT_EQ(step.startTimer, 100u);
  EXPECT_EQ(tracker.Tool(), kSecond);
  EXPECT_TRUE(tracker.TimerDue().show);
}

TEST(ToolTipTracker, ARefusedShowWaitsForTheMouseToLeaveAndARemovedToolIsForgotten) {
  ToolTipTracker tracker;
  tracker.MovedOver(kFirst);
  tracker.TimerDue();
  TipStep step = tracker.ShowRefused();
  EXPECT_FALSE(step.hide);
  EXPECT_EQ(tracker.Phase(), TipPhase::Closed);
  EXPECT_FALSE(tracker.Removed(kSecond).stopTimer);
  EXPECT_EQ(tracker.Removed(kFirst).stopTimer, true);
  EXPECT_EQ(tracker.Phase(), TipPhase::Idle);
}

TEST(ToolTipTracker, DelaysCanBeChanged) {
  ToolTipTracker tracker;
  tracker.Delays().initial = 50;
  EXPECT_EQ(tracker.MovedOver(kFirst).startTimer, 50u);
}

}  // namespace
}  // namespace qor::ui
