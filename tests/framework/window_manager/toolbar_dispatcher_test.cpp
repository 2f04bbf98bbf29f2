// ToolbarDispatcher choosing and forwarding to its targets, and a window manager with a
// toolbar attached, pinned as the calls each target receives.
#include "framework/window_manager/toolbar_dispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/window_manager/window_manager.h"
#include "tests/framework/window_manager/fake_window_primitives.h"
#include "window/events/event_codes.h"

namespace qor::fw {
namespace {

using Lines = std::vector<std::string>;
namespace ev = win::event;

class LoggingTarget : public ToolbarTarget {
 public:
  LoggingTarget(std::string name, Lines& log) : name_(std::move(name)), log_(log) {}
  uint8_t canTakeOver = 0;

  void TakeEvent() override { log_.push_back(name_ + " event"); }
  void TakeAccepted(int32_t* request, WindowManager&) override {
    log_.push_back(name_ + " accepted, request " + (request ? std::to_string(*request) : "none"));
  }
  void Activate() override { log_.push_back(name_ + " activated"); }
  uint8_t CanTakeOver() override {
    log_.push_back(name_ + " asked");
    return canTakeOver;
  }

 private:
  std::string name_;
  Lines& log_;
};

class ToolbarTest : public ::testing::Test {
 protected:
  ToolbarTest() {
    toolbar.Init();
    toolbar.AddTarget(3, first);
    toolbar.AddTarget(5, second);
  }
  Lines log;
  LoggingTarget first{"first", log};
  LoggingTarget second{"second", log};
  ToolbarDispatcher toolbar;
};

TEST_F(ToolbarTest, AnIdPicksItsTargetAndAnUnknownIdKeepsTheCurrentOne) {
  toolbar.ForwardEvent();  // no current target yet: nothing is called
  toolbar.ChooseToolbarTarget(5);
  toolbar.ChooseToolbarTarget(9);
  toolbar.ForwardEvent();
  EXPECT_EQ(log, (Lines{"second activated", "second event"}));
  EXPECT_EQ(toolbar.Current(), &second);
}

TEST_F(ToolbarTest, IdZeroAsksEveryTargetAndTheLastWillingOneWins) {
  first.canTakeOver = 1;
  toolbar.ChooseToolbarTarget(0);
  EXPECT_EQ(toolbar.Current(), &first);
  second.canTakeOver = 1;
  toolbar.ChooseToolbarTarget(0);
  EXPECT_EQ(toolbar.Current(), &second);
  first.canTakeOver = second.canTakeOver = 0;
  toolbar.ChooseToolbarTarget(0);  // nobody willing: the current one stays
  EXPECT_EQ(toolbar.Current(), &second);
  EXPECT_EQ(log, (Lines{"first asked", "second asked", "first asked", "second asked", "first asked", "second asked"}));
}

TEST_F(ToolbarTest, KillForgetsTheListAndTheCurrentTarget) {
  toolbar.ChooseToolbarTarget(3);
  toolbar.Kill();
  toolbar.ForwardEvent();
  toolbar.ChooseToolbarTarget(3);
  EXPECT_FALSE(toolbar.HasList());
  EXPECT_EQ(toolbar.Current(), nullptr);
  EXPECT_EQ(log, (Lines{"first activated"}));
}

// A window that holds a navigation request, as a procedure's Init sets it.
class ToolbarWindow : public WindowManager {
 public:
  ToolbarWindow(WindowPrimitives& primitives, int32_t* request) : WindowManager(primitives), request_(request) {}
  uint8_t Init() override {
    const uint8_t result = WindowManager::Init();
    vcrRequest_ = request_;
    return result;
  }

 private:
  int32_t* request_;
};

TEST_F(ToolbarTest, AnAttachedToolbarHearsAcceptedControlsAndNewSelections) {
  testing::FakeWindowPrimitives fake;
  int32_t request = 4;
  ToolbarWindow window(fake, &request);
  ToolbarDispatcher attached;
  window.Init();
  window.AttachToolbar(attached);
  ASSERT_TRUE(attached.HasList());
  fake.SetCurrent({ev::Accepted, 8});
  window.HandleEvent();  // an empty list forwards nothing
  attached.AddTarget(1, first);
  attached.ChooseToolbarTarget(1);
  window.HandleEvent();
  fake.typeOfEveryControl = 37;  // a new selection there picks the target again
  second.canTakeOver = 1;
  attached.AddTarget(2, second);
  fake.SetCurrent({ev::NewSelection, 8});
  window.HandleEvent();
  EXPECT_EQ(log, (Lines{"first activated", "first accepted, request 4", "first asked", "second asked"}));
  EXPECT_EQ(attached.Current(), &second);

  window.SetResponse(kResponseCancelled);  // a cancelled procedure drops the request
  EXPECT_EQ(request, 0);
  window.Shutdown();
  EXPECT_FALSE(attached.HasList());
}

TEST_F(ToolbarTest, WithoutANavigationRequestNothingIsReadOrWritten) {
  testing::FakeWindowPrimitives fake;
  ToolbarWindow window(fake, nullptr);
  window.Init();
  window.AttachToolbar(toolbar);  // its Init starts the list afresh
  toolbar.AddTarget(3, first);
  toolbar.ChooseToolbarTarget(3);
  fake.SetCurrent({ev::Accepted, 8});
  window.HandleEvent();
  window.SetResponse(kResponseCancelled);
  EXPECT_EQ(log, (Lines{"first activated", "first accepted, request none"}));
}

}  // namespace
}  // namespace qor::fw
