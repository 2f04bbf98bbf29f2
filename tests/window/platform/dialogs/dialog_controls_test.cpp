// Dialogs made of the system's own "button" and "Static" controls: the keys, the mouse
// and what the dialog looks like.
#include <gtest/gtest.h>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/defaults/window_frame.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::ui::testing {
namespace {

// Ends the dialog with the id of any command from one of its controls.
intptr_t EndOnCommand(Hwnd hwnd, uint32_t message, WParam wParam, LParam) {
  if (message != WM_COMMAND || !GetDlgItem(hwnd, LowWord(wParam))) return 0;
  EndDialog(hwnd, LowWord(wParam));
  return 1;
}

DialogTemplate MessageLike() {
  DialogTemplate t;
  t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.cx = 170;
  t.cy = 64;
  t.title = "Halt";
  t.face = "MS Sans Serif";
  t.pointSize = 8;
  t.items.push_back({kStaticClass, "Save the changes?", -1, WS_VISIBLE | SS_NOPREFIX, 0, 5, 5, 160, 30});
  t.items.push_back({kButtonClass, "&Yes", IDYES, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 5, 45, 50, 14});
  t.items.push_back({kButtonClass, "&No", IDNO, WS_VISIBLE | WS_TABSTOP, 0, 60, 45, 50, 14});
  t.items.push_back({kButtonClass, "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 115, 45, 50, 14});
  return t;
}

class SystemDialogs : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    owner = Make("owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, Hwnd{}, {100, 100, 500, 400});
    host.Pump();
  }
  intptr_t Run() { return DialogBoxIndirectParam(nullptr, MessageLike(), owner, EndOnCommand, 0); }
  static Hwnd Item(intptr_t id) { return GetDlgItem(GetActiveWindow(), id); }

  Hwnd owner;
};

TEST_F(SystemDialogs, TheDefaultButtonIsKnownAndEnterPressesIt) {
  host.Schedule(10, [&] {
    EXPECT_EQ(LowWord(static_cast<uintptr_t>(SendMessage(GetActiveWindow(), DM_GETDEFID, 0, 0))), IDYES);
    SetFocus(Item(-1));
    host.Press(VK_RETURN);
  });
  EXPECT_EQ(Run(), IDYES);
}

TEST_F(SystemDialogs, MnemonicsClickThroughTheButtonAndSpaceWorksOnTheFocusedOne) {
  host.Schedule(10, [&] { host.Type("n"); });
  EXPECT_EQ(Run(), IDNO);
  host.Schedule(10, [&] { SetFocus(Item(IDCANCEL)); });
  host.Schedule(20, [&] { host.Press(VK_SPACE); });
  EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(SystemDialogs, AMouseClickOnAButtonEndsTheDialog) {
  host.Schedule(10, [&] { host.Click(Item(IDNO), {5, 5}); });
  EXPECT_EQ(Run(), IDNO);
  host.Schedule(10, [&] { host.Press(VK_ESCAPE); });
  EXPECT_EQ(Run(), IDCANCEL);
}

// A procedure that puts the focus on Cancel itself and answers WM_INITDIALOG with 0.
intptr_t FocusOnCancel(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message != WM_INITDIALOG) return EndOnCommand(hwnd, message, wParam, lParam);
  SetFocus(GetDlgItem(hwnd, IDCANCEL));
  return 0;
}

TEST_F(SystemDialogs, AZeroAnswerToInitDialogKeepsTheFocusTheProcedurePlaced) {
  std::string focus;
  host.Schedule(10, [&] { focus = GetWindowText(GetFocus()); });
  host.Schedule(20, [&] { host.Press(VK_RETURN); });
  EXPECT_EQ(DialogBoxIndirectParam(nullptr, MessageLike(), owner, FocusOnCancel, 0), IDCANCEL);
  EXPECT_EQ(focus, "Cancel");
}

TEST_F(SystemDialogs, TheDialogIsGreyWithAnActiveCaptionAndNoIcon) {
  Hwnd dialog;
  CaptionLayout layout;
  ColorRef caption = 0;
  ColorRef client = 0;
  ColorRef ownerCaption = 0;
  ColorRef defaultButtonCorner = 0;
  host.Schedule(10, [&] {
    dialog = GetActiveWindow();
    layout = GetCaptionLayout(dialog);
    std::shared_ptr<Canvas> canvas = WindowCanvas(dialog);
    caption = ColorFromPixel(canvas->At(layout.bar.left + 1, layout.bar.top + 1));
    client = ColorFromPixel(canvas->At(layout.bar.left + 2, canvas->Height() - 6));
    CaptionLayout ownerLayout = GetCaptionLayout(owner);
    ownerCaption = ColorFromPixel(WindowCanvas(owner)->At(ownerLayout.bar.right - 2, ownerLayout.bar.top + 1));
    // The focused default button, drawn as soon as it had the focus, is not painted over
    // by the dialog's own first painting.
    Rect yes = ClientRectOnCanvas(Item(IDYES));
    defaultButtonCorner = ColorFromPixel(canvas->At(yes.left, yes.top));
    host.Press(VK_ESCAPE);
  });
  Run();
  EXPECT_TRUE(layout.icon.IsEmpty());
  EXPECT_FALSE(layout.closeBox.IsEmpty());
  EXPECT_EQ(caption, GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(ownerCaption, GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(client, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(defaultButtonCorner, RGB(0, 0, 0));
}

}  // namespace
}  // namespace qor::ui::testing
