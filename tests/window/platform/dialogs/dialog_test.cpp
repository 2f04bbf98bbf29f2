// Modal dialogs from templates: creation in dialog units with the template's font, the
// modal loop with the owner disabled, WM_INITDIALOG, the dialog keys, EndDialog, and
// centring, all on the headless host with scheduled input.
#include <gtest/gtest.h>

#include <limits>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kTestButton = "TestButton";
constexpr const char* kTestText = "TestText";


// What happened, in order: "dlg WM_INITDIALOG", "dlg WM_COMMAND 7", "owner WM_ENABLE 0", ...
std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

std::string Name(Hwnd hwnd) { return Log().NameOf(hwnd); }

// A push button that clicks on a left-button release and on the click message, as the
// system's button does, and tells the dialog what it is.
LResult TestButtonProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Log().Record(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_BUTTON | ((GetWindowStyle(hwnd) & 0xF) == 1 ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETFONT:
      Events().push_back(Name(hwnd) + " WM_SETFONT");
      return 0;
    case WM_LBUTTONUP:
    case BM_CLICK:
      SendMessage(GetParent(hwnd), WM_COMMAND, static_cast<WParam>(GetDlgCtrlID(hwnd)),
                  static_cast<LParam>(hwnd.AsParam()));
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

LResult TestTextProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Log().Record(hwnd, message, wParam, lParam);
  return message == WM_GETDLGCODE ? DLGC_STATIC : DefWindowProc(hwnd, message, wParam, lParam);
}

// The dialog procedure: ends the dialog with the id of any command from a control it
// holds (Escape without a Cancel button does nothing), and notes what it sees.
intptr_t TestDialogProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Log().Record(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG:
      Events().push_back(Name(hwnd) + " WM_INITDIALOG " + Name(Hwnd::FromParam(wParam)) + " " + std::to_string(lParam));
      return 1;
    case WM_COMMAND: {
      intptr_t id = LowWord(wParam);
      Events().push_back(Name(hwnd) + " WM_COMMAND " + std::to_string(id));
      if (GetDlgItem(hwnd, id)) EndDialog(hwnd, id);
      return 1;
    }
    default:
      return 0;
  }
}

DialogItem Button(const std::string& text, intptr_t id, int x, bool isDefault = false) {
  return {kTestButton, text, id, WS_VISIBLE | WS_TABSTOP | (isDefault ? 1u : 0u), 0, x, 40, 50, 14};
}

// A message-box-like dialog: a text and the buttons Yes, No and (optionally) Cancel.
DialogTemplate Question(bool withCancel = true) {
  DialogTemplate t;
  t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.cx = 180;
  t.cy = 60;
  t.title = "Question";
  t.face = "MS Sans Serif";
  t.pointSize = 8;
  t.items.push_back({kTestText, "Save the changes?", -1, WS_VISIBLE, 0, 5, 5, 170, 30});
  t.items.push_back(Button("&Yes", IDYES, 5));
  t.items.push_back(Button("&No", IDNO, 60, true));
  if (withCancel) t.items.push_back(Button("Cancel", IDCANCEL, 115));
  return t;
}

class Dialogs : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    Events().clear();
    ASSERT_TRUE(RegisterClass(WindowClass{kTestButton, TestButtonProc}));
    ASSERT_TRUE(RegisterClass(WindowClass{kTestText, TestTextProc}));
    owner = Make("owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, Hwnd{}, {100, 100, 500, 400});
    host.Pump();
    Take();
  }
  void TearDown() override {
    PlatformTest::TearDown();
    EXPECT_TRUE(UnregisterClass(kTestButton));
    EXPECT_TRUE(UnregisterClass(kTestText));
  }

  intptr_t Run(const DialogTemplate& t, LParam param = 0, const Rect* reference = nullptr) {
    return DialogBoxIndirectParam(nullptr, t, owner, TestDialogProc, param, reference);
  }
  // The dialog running now (the active window while the modal loop runs).
  static Hwnd Current() { return GetActiveWindow(); }
  static Hwnd Item(intptr_t id) { return GetDlgItem(Current(), id); }

  Hwnd owner;
};

TEST_F(Dialogs, EnterEndsWithTheFocusedButtonAndTheOwnerIsDisabledMeanwhile) {
  bool ownerEnabled = true;
  Hwnd focusWhileOpen;
  host.Schedule(10, [&] {
    ownerEnabled = IsWindowEnabled(owner);
    focusWhileOpen = GetFocus();
    host.Press(VK_RETURN);
  });
  intptr_t result = Run(Question(), 42);
  EXPECT_EQ(result, IDYES);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_EQ(Name(focusWhileOpen), "&Yes");  // WM_INITDIALOG answered 1: the first tab stop
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(Events(), (std::vector<std::string>{"&Yes WM_SETFONT",
                                                "&No WM_SETFONT", "Cancel WM_SETFONT",
                                                "Question WM_INITDIALOG &Yes 42", "Question WM_COMMAND 6"}));
}

TEST_F(Dialogs, MessageOrderFromOpeningToTheEnd) {
  Log().Ignore(WM_PAINT);
  Log().Ignore(WM_GETDLGCODE);
  Log().Ignore(WM_KEYDOWN);
  Log().Ignore(WM_KEYUP);
  Log().Ignore(WM_CHAR);
  Log().Ignore(WM_SIZE);  // sizes and places follow the installed font
  Log().Ignore(WM_MOVE);
  host.Schedule(10, [&] { host.Press(VK_ESCAPE); });
  EXPECT_EQ(Run(Question()), IDCANCEL);
  std::vector<std::string> log = Take();
  // The dialog is made hidden with its controls, each given the dialog's font, and
  // initialised; the owner is disabled before the dialog shows and is activated, and
  // enabled and activated again before the dialog is destroyed. The default look goes
  // with the focus to the first button.
  std::vector<std::string> expected = {
      "Question WM_CREATE",
      "Save the changes? WM_CREATE",
      "Save the changes? WM_SHOWWINDOW 1",
      "Save the changes? WM_SETFONT",
      "&Yes WM_CREATE",
      "&Yes WM_SHOWWINDOW 1",
      "&Yes WM_SETFONT",
      "&No WM_CREATE",
      "&No WM_SHOWWINDOW 1",
      "&No WM_SETFONT",
      "Cancel WM_CREATE",
      "Cancel WM_SHOWWINDOW 1",
      "Cancel WM_SETFONT",
      "Question WM_INITDIALOG",
      "owner WM_KILLFOCUS 0",
      "owner WM_ENABLE 0",
      "Question WM_SHOWWINDOW 1",
      "owner WM_ACTIVATE 0 Question",
      "Question WM_ACTIVATE 1 owner",
      "&Yes WM_SETFOCUS 0",
      "&Yes BM_SETSTYLE 1",  // the focused push button looks like the default one
      "&No BM_SETSTYLE 0",
      "Question WM_COMMAND 2 0 Cancel",
      "owner WM_ENABLE 1",
      "Question WM_ACTIVATE 0 owner",
      "&Yes WM_KILLFOCUS 0",
      "owner WM_ACTIVATE 1 Question",
      "owner WM_SETFOCUS 0",
      "Question WM_DESTROY",
      "Save the changes? WM_DESTROY",
      "&Yes WM_DESTROY",
      "&No WM_DESTROY",
      "Cancel WM_DESTROY",
      "Cancel WM_NCDESTROY",
      "&No WM_NCDESTROY",
      "&Yes WM_NCDESTROY",
      "Save the changes? WM_NCDESTROY",
      "Question WM_NCDESTROY"};
  EXPECT_EQ(log, expected);
}

TEST_F(Dialogs, EscapeWithoutACancelButtonDoesNothingAndTheMnemonicClicks) {
  host.Schedule(10, [&] { host.Press(VK_ESCAPE); });
  host.Schedule(20, [&] { host.Type("y"); });
  EXPECT_EQ(Run(Question(false)), IDYES);
  EXPECT_EQ(Events().back(), "Question WM_COMMAND 6");
  EXPECT_EQ(Events()[Events().size() - 2], "Question WM_COMMAND 2");  // asked, but no Cancel: not ended
}

TEST_F(Dialogs, AltMnemonicsAndClicksAndTheCloseBox) {
  host.Schedule(10, [&] {
    host.KeyDown(VK_MENU);
    host.Press('N');
    host.KeyUp(VK_MENU);
  });
  EXPECT_EQ(Run(Question()), IDNO);
  host.Schedule(10, [&] { host.Click(Item(IDCANCEL), {3, 3}); });
  EXPECT_EQ(Run(Question()), IDCANCEL);
  host.Schedule(10, [&] { PostMessage(Current(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(Run(Question()), IDCANCEL);
}

TEST_F(Dialogs, TabMovesThroughTheTabStopsAndEnterPressesTheFocusedButton) {
  // Each step's keys are read by the dialog's loop before the next step runs.
  std::vector<std::string> focused;
  auto note = [&] { focused.push_back(Name(GetFocus())); };
  host.Schedule(10, [&] {
    EnableWindow(Item(IDNO), false);
    note();
    host.Press(VK_TAB);  // past the disabled No to Cancel
  });
  host.Schedule(20, [&] {
    note();
    host.Press(VK_TAB);  // round to Yes (the text takes no focus)
  });
  host.Schedule(30, [&] {
    note();
    host.KeyDown(VK_SHIFT);
    host.Press(VK_TAB);  // back to Cancel
    host.KeyUp(VK_SHIFT);
  });
  host.Schedule(40, [&] {
    note();
    host.Press(VK_RETURN);
  });
  EXPECT_EQ(Run(Question()), IDCANCEL);
  EXPECT_EQ(focused, (std::vector<std::string>{"&Yes", "Cancel", "&Yes", "Cancel"}));
}

TEST_F(Dialogs, DefaultIdCanBeReadAndChangedAndADisabledDefaultIgnoresEnter) {
  host.Schedule(10, [&] {
    Hwnd dialog = Current();
    EXPECT_EQ(SendMessage(dialog, DM_GETDEFID, 0, 0), static_cast<LResult>(PackWords(IDNO, DC_HASDEFID)));
    SendMessage(dialog, DM_SETDEFID, IDCANCEL, 0);
    EnableWindow(Item(IDCANCEL), false);
    SetFocus(Item(-1));  // the text: Enter goes to the default button
    host.Press(VK_RETURN);  // ignored: the default button is disabled
  });
  host.Schedule(20, [&] {
    EnableWindow(Item(IDCANCEL), true);
    SetFocus(Item(-1));
    host.Press(VK_RETURN);
  });
  EXPECT_EQ(Run(Question()), IDCANCEL);
  EXPECT_EQ(std::count(Events().begin(), Events().end(), "Question WM_COMMAND 2"), 1);
}

TEST_F(Dialogs, DialogUnitsFollowTheTemplateFont) {
  DialogBaseUnits units;
  Rect buttonRect;
  Rect client;
  host.Schedule(10, [&] {
    units = GetDialogBaseUnits(Current());
    buttonRect = GetWindowPlacement(Item(IDYES));
    client = GetClientRect(Current());
    Rect mapped{0, 0, 4, 8};
    EXPECT_TRUE(MapDialogRect(Current(), &mapped));
    EXPECT_EQ(mapped, (Rect{0, 0, units.width, units.height}));
    EXPECT_NE(GetDialogFont(Current()), nullptr);
    host.Press(VK_ESCAPE);
  });
  Run(Question());
  EXPECT_EQ(units.width, MeasureBaseUnits(CreatePointFont("MS Sans Serif", 8, 400, false)).width);
  EXPECT_GT(units.width, 3);
  EXPECT_GT(units.height, 10);
  EXPECT_EQ(buttonRect.left, DialogUnitsToPixelsX(5, units));
  EXPECT_EQ(buttonRect.top, DialogUnitsToPixelsY(40, units));
  EXPECT_EQ(buttonRect.Width(), DialogUnitsToPixelsX(50, units));
  EXPECT_EQ(client.Width(), DialogUnitsToPixelsX(180, units));
  EXPECT_EQ(client.Height(), DialogUnitsToPixelsY(60, units));
  EXPECT_EQ(PixelsToDialogUnitsX(DialogUnitsToPixelsX(200, units), units), 200);
  EXPECT_EQ(PixelsToDialogUnitsY(DialogUnitsToPixelsY(45, units), units), 45);
}

// A position may be set to any 32-bit value; converting it holds the result to int's
// range instead of overflowing.
TEST(DialogUnits, ValuesFarOutAreHeldToTheRangeOfInt) {
  const DialogBaseUnits units{6, 13};
  EXPECT_EQ(DialogUnitsToPixelsX(std::numeric_limits<int>::min(), units), std::numeric_limits<int>::min());
  EXPECT_EQ(DialogUnitsToPixelsY(std::numeric_limits<int>::max(), units), std::numeric_limits<int>::max());
  EXPECT_EQ(DialogUnitsToPixelsX(-400000000, units), -599999999);  // -2,400,000,000 needs 64 bits
  EXPECT_EQ(PixelsToDialogUnitsX(std::numeric_limits<int>::max(), {1, 1}), std::numeric_limits<int>::max());
}

TEST_F(Dialogs, CentredOnTheOwnerOrAGivenRectangleAndKeptOnTheScreen) {
  Rect placed;
  auto measure = [&] {
    host.Schedule(10, [&] {
      placed = GetWindowRect(Current());
      host.Press(VK_ESCAPE);
    });
  };
  measure();
  Run(Question());
  Rect ownerRect = GetWindowRect(owner);
  EXPECT_EQ(placed.left + placed.Width() / 2, ownerRect.left + ownerRect.Width() / 2 - (placed.Width() % 2 ? 0 : 0));
  EXPECT_NEAR(placed.top + placed.Height() / 2.0, ownerRect.top + ownerRect.Height() / 2.0, 1.0);
  measure();
  Rect corner{900, 700, 1100, 800};  // partly off the 1024 by 768 screen
  Run(Question(), 0, &corner);
  EXPECT_EQ(placed.right, 1024);
  EXPECT_EQ(placed.bottom, 768);
  measure();
  ShowWindow(owner, SW_HIDE);  // a hidden owner: the screen
  Run(Question());
  EXPECT_NEAR(placed.left + placed.Width() / 2.0, 512, 1.0);
}

TEST_F(Dialogs, AQuitEndsTheDialogWithZeroAndIsPassedOn) {
  host.Schedule(10, [&] { PostQuitMessage(3); });
  EXPECT_EQ(Run(Question()), 0);
  EXPECT_TRUE(IsWindowEnabled(owner));
  Msg msg;
  EXPECT_FALSE(GetMessage(msg));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Dialogs, AnUnknownControlClassFailsTheDialogAndLeavesTheOwnerAlone) {
  DialogTemplate t = Question();
  t.items.push_back({"NoSuchClass", "", 10, WS_VISIBLE, 0, 0, 0, 10, 10});
  EXPECT_EQ(Run(t), -1);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetChildren(Hwnd{}).size(), 1u);  // only the owner is left
}

// A dialog procedure that ends its dialog as soon as it is initialised.
intptr_t EndAtOnce(Hwnd hwnd, uint32_t message, WParam, LParam lParam) {
  if (message == WM_INITDIALOG) EndDialog(hwnd, lParam);
  return 0;
}

TEST_F(Dialogs, EndedWhileInitialisingItIsNeverShown) {
  Take();
  EXPECT_EQ(DialogBoxIndirectParam(nullptr, Question(), owner, EndAtOnce, 77), 77);
  for (const std::string& entry : Take()) EXPECT_NE(entry, "Question WM_SHOWWINDOW 1");
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_FALSE(EndDialog(owner, 1));  // no dialog
}

TEST_F(Dialogs, ADialogOverADialogReturnsToTheFirst) {
  intptr_t inner = 0;
  host.Schedule(10, [&] {
    Hwnd first = Current();
    host.Schedule(10, [&] { host.Type("n"); });
    inner = DialogBoxIndirectParam(nullptr, Question(), first, TestDialogProc, 0);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_FALSE(IsWindowEnabled(owner));
    host.Type("y");
  });
  EXPECT_EQ(Run(Question()), IDYES);
  EXPECT_EQ(inner, IDNO);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(Dialogs, ModelessDialogsPlaceThemselvesAndHaveTheDialogFrame) {
  DialogTemplate t = Question();
  t.x = 10;
  t.y = 16;
  Hwnd dialog = CreateDialogIndirectParam(nullptr, t, owner, TestDialogProc, 0);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(IsWindowEnabled(owner));
  DialogBaseUnits units = GetDialogBaseUnits(dialog);
  Point client = ClientToScreen(owner, {0, 0});
  EXPECT_EQ(GetWindowRect(dialog).left, client.x + DialogUnitsToPixelsX(10, units));
  EXPECT_EQ(GetWindowRect(dialog).top, client.y + DialogUnitsToPixelsY(16, units));
  EXPECT_TRUE(GetWindowExStyle(dialog) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetClassName(dialog), kDialogClass);
  DestroyWindow(dialog);
  EXPECT_EQ(GetDialogFont(dialog), nullptr);
}

}  // namespace
}  // namespace qor::ui::testing
