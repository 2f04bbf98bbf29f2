// WindowManager's life and dispatch, pinned as the sequence of runtime calls and handler
// results it produces over a scripted fake window runtime.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/window_manager/window_manager.h"
#include "tests/framework/window_manager/fake_window_primitives.h"
#include "window/events/event_codes.h"

namespace qor::fw {
namespace {

using testing::FakeWindowPrimitives;
using Lines = std::vector<std::string>;
namespace ev = win::event;

// Overrides the five handlers a procedure usually overrides; each calls the base, logs
// its result and returns it, unless the test forces a result for HandleAccepted.
class LoggingWindow : public WindowManager {
 public:
  explicit LoggingWindow(FakeWindowPrimitives& fake) : WindowManager(fake), fake_(fake) {}

  std::optional<uint8_t> acceptedResult;

  uint8_t Init() override { return Logged("Init", WindowManager::Init()); }
  uint8_t HandleEvent() override { return Logged("HandleEvent", WindowManager::HandleEvent()); }
  uint8_t HandleWindowEvent() override {
    return Logged("HandleWindowEvent", WindowManager::HandleWindowEvent());
  }
  uint8_t HandleAccepted() override {
    const uint8_t base = WindowManager::HandleAccepted();
    return Logged("HandleAccepted", acceptedResult.value_or(base));
  }
  uint8_t HandleNewSelection() override {
    return Logged("HandleNewSelection", WindowManager::HandleNewSelection());
  }
  uint8_t Shutdown() override { return Logged("Shutdown", WindowManager::Shutdown()); }

 private:
  uint8_t Logged(const char* name, uint8_t result) {
    fake_.log.push_back(std::string(name) + " -> " + std::to_string(result));
    return result;
  }
  FakeWindowPrimitives& fake_;
};

class WindowManagerTest : public ::testing::Test {
 protected:
  FakeWindowPrimitives fake;
  LoggingWindow window{fake};
};

TEST_F(WindowManagerTest, OpenAcceptAndCloseCallInThisOrder) {
  fake.script = {{ev::OpenWindow}, {ev::GainFocus}, {ev::Accepted, 5}, {ev::CloseWindow}};
  EXPECT_EQ(window.Run(), kResponseCancelled);
  EXPECT_EQ(fake.log, (Lines{
      "push scope 0",
      "Init -> 0",
      "accept loop",
      "event EVENT:OpenWindow",
      "read property 7C9Ah of 0",  // FirstOpen resets the window
      "display all",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "event EVENT:GainFocus",
      "read property 7C9Ah of 0",  // set up already: only a reset
      "display all",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "event EVENT:Accepted control 5",
      "HandleAccepted -> 0",
      "HandleEvent -> 0",
      "event EVENT:CloseWindow",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "window closed",
      "pop scope",
      "Shutdown -> 0",
  }));
  EXPECT_EQ(fake.scopeDepth, 0);
}

TEST_F(WindowManagerTest, AResponseButtonEndsTheProcedureWithItsAction) {
  fake.script = {{ev::OpenWindow}, {ev::Accepted, 7}};
  // Buttons are registered by a procedure's Init after the base one; do it the same way.
  struct ButtonWindow : LoggingWindow {
    using LoggingWindow::LoggingWindow;
    uint8_t Init() override {
      const uint8_t result = LoggingWindow::Init();
      AddResponseButton(7, kResponseCompleted);
      return result;
    }
  } buttonWindow{fake};
  EXPECT_EQ(buttonWindow.Run(), kResponseCompleted);
  const auto accepted = std::find(fake.log.begin(), fake.log.end(), "event EVENT:Accepted control 7");
  EXPECT_EQ(Lines(accepted, fake.log.end()), (Lines{
      "event EVENT:Accepted control 7",
      "post EVENT:CloseWindow",
      "HandleAccepted -> 5",
      "HandleEvent -> 5",
      "no default action",
      "event EVENT:CloseWindow",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "window closed",
      "pop scope",
      "Shutdown -> 0",
  }));
}

TEST_F(WindowManagerTest, Result3LeavesTheLoopAndResult5KeepsTheWindowOpen) {
  window.acceptedResult = kLevelNotify;
  fake.script = {{ev::Accepted, 1}, {ev::CloseWindow}, {ev::Accepted, 2}};
  window.Init();
  window.RunEventLoop();
  window.acceptedResult.reset();
  EXPECT_EQ(Lines(fake.log.begin() + 3, fake.log.end()), (Lines{
      "event EVENT:Accepted control 1",
      "HandleAccepted -> 5",
      "HandleEvent -> 5",
      "no default action",
      "event EVENT:CloseWindow",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "window closed",
  }));

  fake.log.clear();
  window.acceptedResult = kLevelFatal;
  fake.script = {{ev::Accepted, 1}, {ev::Accepted, 2}};
  window.RunEventLoop();
  EXPECT_EQ(fake.log, (Lines{
      "accept loop",
      "event EVENT:Accepted control 1",
      "HandleAccepted -> 3",
      "HandleEvent -> 3",
      "leave loop",
  }));
  EXPECT_EQ(fake.script.size(), 1u);
}

TEST_F(WindowManagerTest, OnlyTheSecondSizedEventResetsTheWindow) {
  window.Init();
  fake.log.clear();
  fake.SetCurrent({ev::Sized});
  EXPECT_EQ(window.HandleEvent(), kLevelQuiet);
  EXPECT_EQ(window.HandleEvent(), kLevelQuiet);
  EXPECT_EQ(fake.log, (Lines{
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
      "read property 7C9Ah of 0",
      "display all",
      "HandleWindowEvent -> 0",
      "HandleEvent -> 0",
  }));
}

TEST_F(WindowManagerTest, ARejectedEntryBeepsRedisplaysAndReselectsItsControl) {
  window.Init();
  fake.log.clear();
  fake.SetCurrent({ev::Rejected, 12});
  EXPECT_EQ(window.HandleEvent(), kLevelQuiet);
  EXPECT_EQ(fake.log, (Lines{"beep 0", "display 12", "select 12", "HandleEvent -> 0"}));
}

TEST_F(WindowManagerTest, ANewSelectionResetsOnlyOnControlsOfType37) {
  window.Init();
  fake.log.clear();
  fake.SetCurrent({ev::NewSelection, 4});
  window.HandleEvent();
  fake.typeOfEveryControl = 37;
  window.HandleEvent();
  EXPECT_EQ(fake.log, (Lines{
      "read property 7C01h of 4",
      "HandleNewSelection -> 0",
      "HandleEvent -> 0",
      "read property 7C01h of 4",
      "read property 7C9Ah of 0",
      "display all",
      "HandleNewSelection -> 0",
      "HandleEvent -> 0",
  }));
}

TEST_F(WindowManagerTest, InitClearsAStaleKeyCode) {
  fake.SetCurrent({ev::Accepted, 1, 130});
  window.Init();
  EXPECT_EQ(fake.log, (Lines{"push scope 0", "set key code 0", "Init -> 0"}));
}

TEST_F(WindowManagerTest, ASecondShutdownReturns5AndChangesNothing) {
  window.Init();
  EXPECT_EQ(window.Shutdown(), kLevelQuiet);
  fake.log.clear();
  EXPECT_EQ(window.Shutdown(), kLevelNotify);
  EXPECT_EQ(fake.log, (Lines{"Shutdown -> 5"}));
  EXPECT_EQ(fake.scopeDepth, 0);
}

// A dead manager run again runs no loop and its Shutdown refuses with 5, but the scope
// its second Init pushed is popped first, so no binding of that run stays findable.
TEST_F(WindowManagerTest, RunningTwiceLeavesNoScopeBehind) {
  fake.script = {{ev::CloseWindow}};
  EXPECT_EQ(window.Run(), kResponseCancelled);
  fake.log.clear();
  fake.script = {{ev::Accepted, 1}};
  EXPECT_EQ(window.Run(), kResponseCancelled);
  EXPECT_EQ(fake.log, (Lines{"push scope 0", "Init -> 0", "pop scope", "Shutdown -> 5"}));
  EXPECT_EQ(fake.scopeDepth, 0);
}

TEST_F(WindowManagerTest, ShutdownBeforeInitReturns5WithoutPoppingAnything) {
  EXPECT_EQ(window.Shutdown(), kLevelNotify);
  EXPECT_EQ(fake.log, (Lines{"Shutdown -> 5"}));
}

}  // namespace
}  // namespace qor::fw
