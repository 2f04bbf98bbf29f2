// Re-creating a control's window in place (0x7C96), and run-time error 506 when the
// kind cannot.
#include <gtest/gtest.h>

#include "tests/window/property_access/property_fixture.h"
#include "window/controls/control.h"
#include "window/controls/control_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/properties/property_numbers.h"
#include "window/windows/control_lookup.h"

namespace qor::win::testing {
namespace {

// A button that makes its window again in place, or (with `refuse`) cannot.
class Remade : public Control {
 public:
  Remade(Window& owner, const ControlRecord& record, bool refuse) : Control(owner, record), refuse_(refuse) {}
  bool Recreate() override {
    if (refuse_) return false;
    ui::Hwnd old = Handle();
    ui::Hwnd made = ui::CreateWindow(kStandInClass, Text(), ui::GetWindowStyle(old), ui::GetWindowPlacement(old),
                                     ui::GetParent(old), ui::GetDlgCtrlID(old));
    if (!made) return false;
    SetHandle(made);
    ui::DestroyWindow(old);
    return true;
  }

 private:
  bool refuse_;
};

template <bool refuse>
std::unique_ptr<Control> MakeRemade(Window& owner, const ControlRecord& record) {
  auto control = std::make_unique<Remade>(owner, record, refuse);
  ui::Rect at = ui::DialogRectToPixels({record.at.x, record.at.y, record.at.x + record.at.width,
                                        record.at.y + record.at.height},
                                       control->OwnerUnits());
  control->SetHandle(ui::CreateWindow(kStandInClass, record.text, ui::WS_CHILD | ui::WS_VISIBLE, at,
                                      control->OwnerHandle(), 0x4000 + record.number));
  return control;
}

TEST_F(PropertyTest, RecreateMakesTheWindowAgainWithTheSamePlaceAndId) {
  RegisterControlKind(layout::kTypeButton, MakeRemade<false>);
  OpenSample();
  Control* button = FindControl(*window, 1);
  ui::Hwnd before = button->Handle();
  ui::Rect placed = ui::GetWindowPlacement(before);
  EXPECT_EQ(Set(1, prop::kRecreate, "1"), PropertyResult::kDone);
  EXPECT_NE(button->Handle(), before);
  EXPECT_FALSE(ui::IsWindow(before));
  EXPECT_EQ(ui::GetWindowPlacement(button->Handle()), placed);
  EXPECT_EQ(ui::GetDlgItem(window->handle, 0x4000 + 1), button->Handle());
  EXPECT_EQ(Get(1, prop::kText), "B1");
}

TEST_F(PropertyDeathTest, AKindThatCannotRecreateIsError506) {
  RegisterControlKind(layout::kTypeButton, MakeRemade<true>);
  OpenSample();
  ASSERT_EQ(Get(1, prop::kType), "9");
  EXPECT_EXIT(Set(1, prop::kRecreate, "1"), ::testing::ExitedWithCode(2), "Internal error 06");
}

}  // namespace
}  // namespace qor::win::testing
