// The dialog keys for a window that is no dialog: its loop hands every message to
// IsDialogMessage. Tab order in creation order, arrows within a group, Enter, Escape,
// mnemonics, and the default-button look following the focused push button.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/dialogs/default_button.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::ui::testing {
namespace {

class AnyWindowKeys : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    Log().Ignore(WM_GETDLGCODE);
    label = MakeControl(kStaticClass, "label", 0, {10, 10, 60, 30}, 11);
    SetWindowText(label, "&Name:");
    name = MakeControl(kEditClass, "name", WS_TABSTOP | WS_GROUP, {70, 10, 170, 30}, 12);
    go = MakeControl(kButtonClass, "go", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, {10, 40, 80, 64}, 13);
    SetWindowText(go, "&Go");
    stop = MakeControl(kButtonClass, "stop", WS_TABSTOP, {90, 40, 160, 64}, 14);
    skip = MakeControl(kButtonClass, "skip", 0, {170, 40, 240, 64}, 15);
    host.Pump();
    Take();
  }
  // Reads the queue as a window's loop with the dialog keys does.
  void Pump() {
    Msg msg;
    while (PeekMessage(msg, Hwnd{}, 0, 0, PM_REMOVE)) {
      if (IsDialogMessage(main, msg)) continue;
      TranslateMessage(msg);
      DispatchMessage(msg);
    }
  }
  void Press(uint32_t key) {
    host.Press(key);
    Pump();
  }
  // The modifier is read as the key's message is handled: the queue is read before it
  // goes up.
  void ShiftPress(uint32_t key) { Chord(VK_SHIFT, key); }
  void Chord(uint32_t modifier, uint32_t key) {
    host.KeyDown(modifier);
    host.Press(key);
    Pump();
    host.KeyUp(modifier);
    Pump();
  }
  Sequence Commands() {
    Sequence commands;
    for (const std::string& line : Take()) {
      if (line.rfind("main WM_COMMAND", 0) == 0 && line.find(" 0 ") != std::string::npos) commands.push_back(line);
    }
    return commands;
  }
  bool LooksDefault(Hwnd button) { return (GetWindowStyle(button) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

  Hwnd label, name, go, stop, skip;
};

TEST_F(AnyWindowKeys, TabGoesThroughTheTabStopsInCreationOrderAndSelectsAFieldItEnters) {
  SetWindowText(name, "abc");
  SetFocus(main);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), name);
  EXPECT_EQ(SendMessage(name, EM_GETSEL, 0, 0), PackWords(0, 3));
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), go);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), stop);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), name);  // round again; "skip" is no tab stop
  ShiftPress(VK_TAB);
  EXPECT_EQ(GetFocus(), stop);
  EnableWindow(go, false);
  ShiftPress(VK_TAB);
  EXPECT_EQ(GetFocus(), name);
}

TEST_F(AnyWindowKeys, ArrowsMoveWithinTheGroupButAFieldKeepsThem) {
  SetFocus(go);
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), stop);
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), skip);  // a group reaches controls out of the tab order too
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), go);    // round within the group
  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), skip);
  SetWindowText(name, "abc");
  SetFocus(name);
  SendMessage(name, EM_SETSEL, 3, 3);
  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), name);
  EXPECT_EQ(SendMessage(name, EM_GETSEL, 0, 0), PackWords(2, 2));
}

TEST_F(AnyWindowKeys, EnterPressesTheFocusedButtonElseTheDefaultAndEscapeCancels) {
  SetFocus(stop);
  Take();
  Press(VK_RETURN);
  EXPECT_EQ(Commands(), (Sequence{"main WM_COMMAND 14 0 stop"}));
  SetFocus(name);
  Take();
  Press(VK_RETURN);
  EXPECT_EQ(Commands(), (Sequence{"main WM_COMMAND 13 0 go"}));
  Press(VK_ESCAPE);
  EXPECT_EQ(Commands(), (Sequence{"main WM_COMMAND 2 0 0"}));
}

TEST_F(AnyWindowKeys, WithoutADefaultButtonEnterIsLeftToTheField) {
  SendMessage(go, BM_SETSTYLE, BS_PUSHBUTTON, 0);
  SetFocus(name);
  Take();
  Press(VK_RETURN);
  Sequence log = Take();
  EXPECT_NE(std::find(log.begin(), log.end(), "name WM_KEYDOWN 13"), log.end());
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("main WM_COMMAND", 0) == 0 && l.find(" 0 ") != std::string::npos; }), 0);
}

TEST_F(AnyWindowKeys, MnemonicsClickButtonsAndTakeATextToTheControlAfterIt) {
  SetFocus(go);
  Take();
  Chord(VK_MENU, 'N');
  EXPECT_EQ(GetFocus(), name);
  Take();
  Chord(VK_MENU, 'G');
  EXPECT_EQ(Commands(), (Sequence{"main WM_COMMAND 13 0 go"}));
  SetFocus(stop);
  Take();
  host.Type("g");  // alone, from a control that takes no characters
  Pump();
  EXPECT_EQ(Commands(), (Sequence{"main WM_COMMAND 13 0 go"}));
  SetFocus(name);
  host.Type("g");  // a field takes its characters
  Pump();
  EXPECT_EQ(GetWindowText(name), "g");
}

TEST_F(AnyWindowKeys, TheDefaultLookFollowsTheFocusedPushButtonAndComesBack) {
  PostMessage(main, WM_NULL, 0, 0);
  Pump();  // the window is using the dialog keys from its first message on
  SetFocus(stop);
  EXPECT_TRUE(LooksDefault(stop));
  EXPECT_FALSE(LooksDefault(go));
  host.Click(go, {5, 5});
  Pump();
  EXPECT_TRUE(LooksDefault(go));
  EXPECT_FALSE(LooksDefault(stop));
  SetFocus(stop);
  SetFocus(name);
  EXPECT_TRUE(LooksDefault(go));
  EXPECT_FALSE(LooksDefault(stop));
  EXPECT_EQ(GetDefaultId(main), std::optional<intptr_t>(13));
  SetDefaultId(main, 14);
  EXPECT_TRUE(LooksDefault(stop));
  EXPECT_FALSE(LooksDefault(go));
}

}  // namespace
}  // namespace qor::ui::testing
