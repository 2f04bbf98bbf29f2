// The runtime's window primitives on a headless window: a window manager's property
// reads and assignments reach the target window's controls.
#include <gtest/gtest.h>

#include "framework/window_manager/window_primitives.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/windows/window_lifecycle.h"

namespace qor::fw {
namespace {

using RuntimePrimitivesTest = win::testing::WindowRuntimeTest;

TEST_F(RuntimePrimitivesTest, PropertiesAreReadAndAssignedOnTheTargetWindow) {
  win::OpenWindow(PrepareSmall(win::testing::SmallWindow("PRIM$WINDOW", {win::testing::Button(1)})));
  RuntimeWindowPrimitives primitives;
  EXPECT_EQ(primitives.ReadProperty(1, 0x7C01), 9);
  primitives.AssignProperty(1, 0x7A0F, "30");
  EXPECT_EQ(primitives.ReadPropertyText(1, 0x7A0F), "30");
  EXPECT_EQ(primitives.ReadProperty(0, 0x7C9A), 0);  // no completion pass runs
  EXPECT_EQ(primitives.ReadPropertyText(5, 0x7C01), "");
  EXPECT_EQ(primitives.ReadPropertyText(1, 0x7C00), "B1");
}

}  // namespace
}  // namespace qor::fw
