// A window manager over the real window runtime on the headless host: a procedure that
// opens a small window in its Init and logs each of the five handlers it overrides, run
// through open, a click and the close box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/window_manager/window_manager.h"
#include "runtime/bindings/bindings.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/property_calls.h"
#include "window/windows/window_lifecycle.h"

namespace qor::fw {
namespace {

using Lines = std::vector<std::string>;

class LoggingProcedure : public WindowManager {
 public:
  LoggingProcedure(WindowPrimitives& primitives, win::Window* window) : WindowManager(primitives), window_(window) {}

  Lines log;
  int32_t responseButton = 0;  // registered in Init with response 1 when set

  uint8_t Init() override {
    const uint8_t base = WindowManager::Init();
    if (base != kLevelQuiet) return base;
    if (responseButton != 0) AddResponseButton(responseButton, kResponseCompleted);
    win::OpenWindow(window_);
    return Logged("Init", base);
  }
  uint8_t HandleEvent() override { return Logged("HandleEvent", WindowManager::HandleEvent()); }
  uint8_t HandleWindowEvent() override { return Logged("HandleWindowEvent", WindowManager::HandleWindowEvent()); }
  uint8_t HandleAccepted() override { return Logged("HandleAccepted", WindowManager::HandleAccepted()); }
  uint8_t HandleNewSelection() override {
    return Logged("HandleNewSelection", WindowManager::HandleNewSelection());
  }
  uint8_t Shutdown() override { return Logged("Shutdown", WindowManager::Shutdown()); }

 private:
  uint8_t Logged(const std::string& name, uint8_t result) {
    std::string line = name + " " + std::to_string(result);
    if (name.rfind("Handle", 0) == 0) line += " " + win::EventName(win::CurrentEvent()) + " " +
                                              std::to_string(win::EventControl());
    log.push_back(line);
    return result;
  }
  win::Window* window_;
};

using WindowManagerHeadlessTest = win::testing::WindowRuntimeTest;

TEST_F(WindowManagerHeadlessTest, OpenClickAndCloseCallTheHandlersInOrderAndRunGivesTwo) {
  win::Window* window = PrepareSmall(win::testing::SmallWindow("WM$WINDOW", {win::testing::Button(1)}));
  RuntimeWindowPrimitives primitives;
  LoggingProcedure procedure(primitives, window);
  const auto scopesBefore = rt::InspectBindings().scopes;
  host.Schedule(10, [window] {
    win::PostEvent(win::event::Accepted, 1);
    ui::PostMessage(win::WindowHandle(window), ui::WM_NULL, 0, 0);
  });
  host.Schedule(20, [window] { ui::PostMessage(win::WindowHandle(window), ui::WM_CLOSE, 0, 0); });
  EXPECT_EQ(procedure.Run(), kResponseCancelled);
  EXPECT_FALSE(win::IsWindowOpen(window));
  EXPECT_EQ(rt::InspectBindings().scopes, scopesBefore);
  EXPECT_EQ(procedure.log, (Lines{
                               "Init 0",
                               "HandleWindowEvent 0 EVENT:OpenWindow 0",
                               "HandleEvent 0 EVENT:OpenWindow 0",
                               "HandleWindowEvent 0 EVENT:GainFocus 0",
                               "HandleEvent 0 EVENT:GainFocus 0",
                               "HandleAccepted 0 EVENT:Accepted 1",
                               "HandleEvent 0 EVENT:Accepted 1",
                               "HandleWindowEvent 0 EVENT:CloseWindow 0",
                               "HandleEvent 0 EVENT:CloseWindow 0",
                               "Shutdown 0",
                           }));
}

// A registered response button ends the procedure with its response: the manager posts
// the close itself and the runtime closes the window.
TEST_F(WindowManagerHeadlessTest, AResponseButtonClosesTheWindowWithItsResponse) {
  win::Window* window = PrepareSmall(win::testing::SmallWindow("WMR$WINDOW", {win::testing::Button(1)}));
  RuntimeWindowPrimitives primitives;
  LoggingProcedure procedure(primitives, window);
  procedure.responseButton = 1;
  host.Schedule(10, [window] {
    win::PostEvent(win::event::Accepted, 1);
    ui::PostMessage(win::WindowHandle(window), ui::WM_NULL, 0, 0);
  });
  EXPECT_EQ(procedure.Run(), kResponseCompleted);
  EXPECT_FALSE(win::IsWindowOpen(window));
  EXPECT_EQ(procedure.log.back(), "Shutdown 0");
  EXPECT_NE(std::find(procedure.log.begin(), procedure.log.end(), "HandleAccepted 5 EVENT:Accepted 1"),
            procedure.log.end());
}

// A history field answers the history key: SetAlertKeys makes the key an alert key of
// the field, so the key raises EVENT:AlertKey on it instead of reaching the field, and
// the manager restores the field's history. Other keys still reach the field.
class HistoryProcedure : public WindowManager {
 public:
  HistoryProcedure(WindowPrimitives& primitives, win::Window* window) : WindowManager(primitives), window_(window) {}
  Lines log;

  uint8_t Init() override {
    const uint8_t base = WindowManager::Init();
    if (base != kLevelQuiet) return base;
    historyKey_ = ui::VK_F3;
    win::OpenWindow(window_);
    AddHistoryField(1, saved_);
    SetAlertKeys();
    return base;
  }
  uint8_t HandleEvent() override {
    if (win::CurrentEvent() == win::event::AlertKey) {
      log.push_back("AlertKey " + std::to_string(win::EventControl()) + " key " + std::to_string(win::EventKeyCode()));
    }
    return WindowManager::HandleEvent();
  }
  void RestoreFieldHistory(int32_t control) override { log.push_back("RestoreFieldHistory " + std::to_string(control)); }

 private:
  win::Window* window_;
  uint8_t saved_[4] = {};
};

TEST_F(WindowManagerHeadlessTest, TheHistoryKeyIsAnAlertKeyOfEachHistoryField) {
  win::Window* window = PrepareSmall(win::testing::SmallWindow("WMH$WINDOW", {win::testing::Entry(1)}));
  RuntimeWindowPrimitives primitives;
  HistoryProcedure procedure(primitives, window);
  host.Schedule(10, [this, window] {
    SetFocusTo(window, 1);
    host.Press(ui::VK_F2);  // not an alert key: nothing is raised
    host.Press(ui::VK_F3);
  });
  host.Schedule(20, [window] {
    EXPECT_EQ(win::ReadPropertyInteger(1, win::prop::kAlertKey, 255), ui::VK_F3);
    EXPECT_EQ(win::ReadPropertyInteger(1, win::prop::kAlertKey, 1), 0);
    ui::PostMessage(win::WindowHandle(window), ui::WM_CLOSE, 0, 0);
  });
  procedure.Run();
  EXPECT_EQ(procedure.log, (Lines{"AlertKey 1 key " + std::to_string(ui::VK_F3), "RestoreFieldHistory 1"}));
}

}  // namespace
}  // namespace qor::fw
