// The properties whose plain reading would misbehave: procedures only from the
// registry, containers that cannot hold themselves, z-order by number, re-creation and
// its failure, and the window timer as a property.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/window/property_access/property_fixture.h"
#include "window/accept/accept.h"
#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/properties/procedure_registry.h"
#include "window/properties/property_numbers.h"
#include "window/windows/control_lookup.h"

namespace qor::win::testing {
namespace {

using enum PropertyResult;

std::vector<std::string>& Seen() {
  static std::vector<std::string> seen;
  return seen;
}

ui::LResult Spying(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == ui::WM_USER) Seen().push_back("spying");
  return ui::CallWindowProc(PreviousProcedure(hwnd), hwnd, message, wParam, lParam);
}

ui::LResult Counting(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == ui::WM_USER) Seen().push_back("counting");
  return ui::CallWindowProc(PreviousProcedure(hwnd), hwnd, message, wParam, lParam);
}

std::string Number(ui::WindowProc procedure) { return std::to_string(ProcedureNumber(procedure)); }

class MendedFaults : public PropertyTest {
 protected:
  void SetUp() override {
    PropertyTest::SetUp();
    ClearControlProcedures();
    Seen().clear();
  }
  void TearDown() override {
    ClearControlProcedures();
    PropertyTest::TearDown();
  }
  ui::Hwnd HandleOf(int32_t number) { return FindControl(*window, number)->Handle(); }
};

TEST_F(MendedFaults, OnlyRegisteredProceduresReplaceAControlsProcedure) {
  OpenSample();
  ui::WindowProc own = ui::GetWindowProc(HandleOf(1));
  EXPECT_EQ(Set(1, prop::kProcedure, Number(Spying)), kBadValue);  // not registered
  EXPECT_EQ(Set(1, prop::kProcedure, "4096"), kBadValue);
  EXPECT_EQ(ui::GetWindowProc(HandleOf(1)), own);

  RegisterControlProcedure(Spying);
  RegisterControlProcedure(Counting);
  EXPECT_EQ(Set(1, prop::kProcedure, Number(Spying)), kDone);
  EXPECT_EQ(ui::GetWindowProc(HandleOf(1)), &Spying);
  // A second replacement still hands on to the kind's own procedure, not to itself.
  EXPECT_EQ(Set(1, prop::kProcedure, Number(Counting)), kDone);
  ui::SendMessage(HandleOf(1), ui::WM_USER, 0, 0);
  EXPECT_EQ(Seen(), std::vector<std::string>{"counting"});
  EXPECT_EQ(PreviousProcedure(HandleOf(1)), own);
  UnregisterControlProcedure(Spying);
  EXPECT_EQ(Set(2, prop::kProcedure, Number(Spying)), kBadValue);
}

TEST_F(MendedFaults, AControlMovesOnlyIntoAGroupThatIsNotItselfOrInsideIt) {
  OpenSample();
  EXPECT_EQ(Set(1, prop::kParent, "2"), kBadValue);   // a prompt holds nothing
  EXPECT_EQ(Set(1, prop::kParent, "42"), kBadValue);  // no such control
  EXPECT_EQ(Set(1, prop::kParent, "-3"), kBadValue);
  EXPECT_EQ(Set(3, prop::kParent, "3"), kBadValue);   // itself
  EXPECT_EQ(Set(3, prop::kParent, "5"), kBadValue);   // a group it holds
  EXPECT_EQ(Get(3, prop::kParent), "0");
  EXPECT_EQ(Set(5, prop::kParent, "0"), kDone);       // out onto the window
  EXPECT_EQ(Set(3, prop::kParent, "5"), kDone);       // no longer inside: allowed
  EXPECT_EQ(Get(3, prop::kParent), "5");
  EXPECT_EQ(Get(4, prop::kParent), "3");
  EXPECT_EQ(Set(5, prop::kParent, "4"), kBadValue);   // a button holds nothing
  EXPECT_EQ(Set(5, prop::kParent, "3"), kBadValue);   // 3 now lies in 5
}

TEST_F(MendedFaults, BehindPlacesAControlUnderAnotherOrAtTheBottom) {
  OpenSample();
  auto position = [&](int32_t number) {
    std::vector<ui::Hwnd> order = ui::GetChildren(window->handle);
    return std::find(order.begin(), order.end(), HandleOf(number)) - order.begin();
  };
  EXPECT_EQ(Set(1, prop::kBehind, "4"), kDone);
  EXPECT_EQ(position(1), position(4) + 1);
  EXPECT_EQ(Set(4, prop::kBehind, "0"), kDone);
  EXPECT_EQ(position(4), static_cast<long>(ui::GetChildren(window->handle).size()) - 1);
  EXPECT_EQ(Set(4, prop::kBehind, "4"), kBadValue);
  EXPECT_EQ(Set(4, prop::kBehind, "50"), kBadValue);
}

TEST_F(MendedFaults, TheTimerPropertyRestartsAndStopsTheWindowTimer) {
  OpenSample();
  Loop([&] {
    if (CurrentEvent() == event::GainFocus) Set(0, prop::kTimer, "75");
    if (events.size() == 4) Set(0, prop::kTimer, "0");
    return kTurnDone;
  });
  EXPECT_EQ(events, (std::vector<std::string>{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0", "750 EVENT:Timer 0",
                                              "1500 EVENT:Timer 0"}));
  EXPECT_TRUE(host.Starved());
}

}  // namespace
}  // namespace qor::win::testing
