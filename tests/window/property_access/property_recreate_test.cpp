// Re-creating a control's window in place (0x7C96), and run-time error 506 when the
// window cannot be made again.
#include <gtest/gtest.h>

#include "tests/window/property_access/property_fixture.h"
#include "window/controls/control.h"
#include "window/controls/control_kinds.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/properties/property_numbers.h"
#include "window/windows/control_lookup.h"

namespace qor::win::testing {
namespace {

TEST_F(PropertyTest, RecreateMakesTheWindowAgainWithTheSamePlaceIdOrderAndFocus) {
  RegisterStandardControlKinds();
  OpenSample();
  Control* button = FindControl(*window, 4);
  ui::Hwnd before = button->Handle();
  ui::Rect placed = ui::GetWindowPlacement(before);
  std::vector<ui::Hwnd> order = ui::GetChildren(window->handle);
  ui::SetFocus(before);
  ASSERT_EQ(Set(4, prop::kText, "Again"), PropertyResult::kDone);

  EXPECT_EQ(Set(4, prop::kRecreate, "1"), PropertyResult::kDone);
  ui::Hwnd after = button->Handle();
  EXPECT_NE(after, before);
  EXPECT_FALSE(ui::IsWindow(before));
  EXPECT_EQ(ui::GetClassName(after), "QorButton");
  EXPECT_EQ(ui::GetWindowPlacement(after), placed);
  EXPECT_EQ(ui::GetDlgItem(window->handle, 0x4000 + 4), after);
  EXPECT_EQ(ui::GetWindowText(after), "Again");
  EXPECT_EQ(ui::GetFocus(), after);
  std::replace(order.begin(), order.end(), before, after);
  EXPECT_EQ(ui::GetChildren(window->handle), order);
  EXPECT_EQ(Get(4, prop::kParent), "3");
}

// A kind whose class refuses every window after the first.
bool gRefuse = false;

ui::LResult Refusing(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == ui::WM_CREATE && gRefuse) return -1;
  return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

std::unique_ptr<Control> MakeRefusing(Window& owner, const ControlRecord& record) {
  if (!ui::IsClassRegistered("QorRefusing")) ui::RegisterClass(ui::WindowClass{"QorRefusing", Refusing});
  auto control = std::make_unique<Control>(owner, record);
  control->SetHandle(ui::CreateWindow("QorRefusing", record.text, ui::WS_CHILD | ui::WS_VISIBLE, {1, 1, 20, 10},
                                      control->OwnerHandle(), 0x4000 + record.number));
  return control;
}

TEST_F(PropertyDeathTest, AWindowThatCannotBeMadeAgainIsError506) {
  RegisterControlKind(layout::kTypeButton, MakeRefusing);
  OpenSample();
  ASSERT_EQ(Get(1, prop::kType), "9");
  gRefuse = true;
  EXPECT_EXIT(Set(1, prop::kRecreate, "1"), ::testing::ExitedWithCode(2), "Internal error 06");
}

}  // namespace
}  // namespace qor::win::testing
