// A class built on "Edit" the way the window runtime builds its entry and spin fields:
// it keeps the field's procedure for everything it does not handle, keeps its own word
// after the field's storage, takes Up and Down for itself and hears the loss of the
// focus. One editor serves both.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/system_controls/edit_control.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kEntryClass = "QorEntryTest";
WindowProc editProc = nullptr;
int ownOffset = 0;  // the entry's own word, after the field's storage
int leftWithModifiedText = 0;

LResult EntryProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    SetWindowExtra(hwnd, ownOffset, GetWindowExtra(hwnd, ownOffset) + (wParam == VK_UP ? 1 : -1));
    return 0;
  }
  if (message == WM_KILLFOCUS && CallWindowProc(editProc, hwnd, EM_GETMODIFY, 0, 0)) ++leftWithModifiedText;
  return CallWindowProc(editProc, hwnd, message, wParam, lParam);
}

class EntryOnEdit : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    std::optional<WindowClass> base = GetClassInfo(kEditClass);
    ASSERT_TRUE(base);
    editProc = base->proc;
    WindowClass entry = *base;
    entry.name = kEntryClass;
    entry.proc = EntryProc;
    ownOffset = base->extraBytes;
    entry.extraBytes += sizeof(intptr_t);
    ASSERT_TRUE(RegisterClass(entry));
    leftWithModifiedText = 0;
    field = MakeControl(kEntryClass, "", WS_BORDER | WS_TABSTOP, {20, 20, 140, 42}, 0x4000 + 7);
  }
  void TearDown() override {
    ControlTest::TearDown();
    UnregisterClass(kEntryClass);
  }
  Hwnd field;
};

TEST_F(EntryOnEdit, TheFieldEditsWhileTheClassTakesUpAndDownAndKeepsItsOwnWord) {
  EXPECT_TRUE(GetClassStyle(field) & CS_DBLCLKS);
  EXPECT_EQ(GetCursorShape(GetClassCursor(field)), CursorShape::IBeam);
  SetFocus(field);
  host.Type("12");
  host.Press(VK_UP);
  host.Press(VK_UP);
  host.Press(VK_DOWN);
  host.Press(VK_LEFT);
  host.Type("5");
  host.Pump();
  EXPECT_EQ(GetWindowText(field), "152");
  EXPECT_EQ(GetWindowExtra(field, ownOffset), 1);
  SetFocus(main);
  EXPECT_EQ(leftWithModifiedText, 1);
  SendMessage(field, EM_SETMODIFY, 0, 0);
  SetFocus(field);
  SetFocus(main);
  EXPECT_EQ(leftWithModifiedText, 1);
}

}  // namespace
}  // namespace qor::ui::testing
