// Opening the tester's stored window makes its 121 controls: each a child window with id
// number + 0x4000 of its kind's class, with the texts, tips, fonts and containers the
// window shows. Entries and spins are QorEdit fields (their kinds are tested apart).
#include <gtest/gtest.h>

#include <map>

#include "resources/windows/window_definitions.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/controls/control.h"
#include "window/controls/control_tips.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/load_window_definition.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

class TesterWindowControls : public WindowRuntimeTest {
 protected:
  static void SetUpTestSuite() { res::RegisterWindowDefinitions(os::ExecutableModule()); }
  void SetUp() override {
    WindowRuntimeTest::SetUp();
    RegisterStandardControlKinds();
    WindowRecord record = DecodeWindow(CurrentDefinition(), LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW"));
    window = Prepare("kzt_asm$KZT_A001", "P1$WINDOW", VariablesFor(record));
    OpenWindow(window);
    for (const auto& control : window->controls) byNumber[control->Number()] = control.get();
  }

  Control& At(int32_t number) { return *byNumber.at(number); }

  Window* window = nullptr;
  std::map<int32_t, Control*> byNumber;
};

TEST_F(TesterWindowControls, EveryRecordMakesItsControlWithItsIdAndClass) {
  ASSERT_EQ(window->controls.size(), 121u);
  ASSERT_EQ(byNumber.size(), 121u);
  EXPECT_EQ(byNumber.begin()->first, 1);
  EXPECT_EQ(byNumber.rbegin()->first, 121);
  const std::map<uint8_t, std::string> kClasses = {
      {layout::kTypeString, "QorString"}, {layout::kTypeButton, "QorButton"},
      {layout::kTypePrompt, "QorPrompt"}, {layout::kTypeGroup, "QorGroup"},
      {layout::kTypeEntry, "QorEdit"}, {layout::kTypeSpin, "QorEdit"}};
  std::map<uint8_t, int> kinds;
  for (const auto& control : window->controls) {
    ui::Hwnd hwnd = control->Handle();
    ASSERT_TRUE(ui::IsWindow(hwnd)) << control->Number();
    EXPECT_EQ(ui::GetParent(hwnd), WindowHandle(window));
    EXPECT_EQ(ui::GetDlgCtrlID(hwnd), 0x4000 + control->Number());
    EXPECT_EQ(ui::GetClassName(hwnd), kClasses.at(control->Type())) << control->Number();
    ++kinds[control->Type()];
  }
  EXPECT_EQ(kinds[layout::kTypeButton], 63);
  EXPECT_EQ(kinds[layout::kTypeGroup], 1);
  EXPECT_EQ(kinds[layout::kTypeString], 5);
}

TEST_F(TesterWindowControls, TextsTipsAndTheGroupsChildren) {
  EXPECT_EQ(At(1).Text(), "Hihgest BYTE to lowest BYTE");
  EXPECT_EQ(ui::GetWindowText(At(1).Handle()), "Hihgest BYTE to lowest BYTE");
  EXPECT_EQ(At(67).Text(), "V3 = BTS ( V1 , V2 )");
  EXPECT_EQ(At(67).Tip(), "Test the V2 bit of V1 and put the result in V3 ( 1 = Set it, 0 = Didn't set it ) "
                          "then, if not already set,  set the V2 bit of V1.");
  EXPECT_TRUE(HasControlTip(At(67)));
  EXPECT_EQ(At(7).Tip(), "V1 = random( 0 , 0FFFFFFFFh )");
  EXPECT_EQ(At(105).Text(), "GROL  ( G1 , 90 )");
  EXPECT_EQ(At(40).Text(), "15");
  EXPECT_FALSE(HasControlTip(At(40)));  // the number buttons have no tips
  EXPECT_EQ(At(30).Text(), "Number");
  for (int32_t number = 31; number <= 50; ++number) {
    EXPECT_EQ(At(number).Container(), &At(30)) << number;
    EXPECT_EQ(ui::GetParent(At(number).Handle()), WindowHandle(window));  // siblings of the group
  }
  EXPECT_EQ(At(29).Container(), nullptr);
  EXPECT_EQ(At(31).Flags() & 0x4000u, 0x4000u);
}

TEST_F(TesterWindowControls, FontsPositionsAndTabStops) {
  EXPECT_EQ(At(1).Font(), (ControlFont{"Arial", 8, -1, 400}));
  EXPECT_EQ(At(62).Font().weight, 700);
  EXPECT_EQ(At(107).Font(), (ControlFont{"Arial", 72, 0xFFFFFF, 700}));
  EXPECT_EQ(At(94).Font().face, "Courier New");
  EXPECT_EQ(At(114).Record().angle, 900);
  EXPECT_EQ(At(62).Position(), (Placement{87, 81, 437, 18}));
  EXPECT_TRUE(At(1).AutoWidth());
  // Automatic sizes are measured after creation: the heading is as wide as its text.
  EXPECT_GT(ui::GetWindowRect(At(1).Handle()).Width(), 40);
  EXPECT_EQ(ui::GetWindowStyle(At(67).Handle()) & ui::WS_TABSTOP, ui::WS_TABSTOP);
  EXPECT_TRUE(ui::IsWindowVisible(At(67).Handle()));
}

}  // namespace
}  // namespace qor::win::testing
