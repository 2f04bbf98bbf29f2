// The message box on the headless host: which buttons it shows, with which ids and
// default, what each press returns, the keys, the owner and the focus.
#include <gtest/gtest.h>

#include "runtime/base/message_text.h"
#include "tests/window/message_box/box_fixture.h"
#include "window/message_box/box_style.h"
#include "window/message_box/message_box_core.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"

namespace qor::win::testing {
namespace {

using namespace ui;

class MessageBoxTest : public BoxTest {};

TEST_F(MessageBoxTest, EveryBitShowsItsButtonInTableOrderAndReturnsTheBitNotTheId) {
  const uint32_t bits[] = {kButtonOk, kButtonYes, kButtonNo, kButtonAbort, kButtonRetry, kButtonIgnore,
                           kButtonCancel, kButtonHelp};
  const intptr_t ids[] = {1, 6, 7, 3, 4, 5, 2, 9};
  for (int i = 0; i < 8; ++i) {
    ShownBox shown;
    ThenLook(shown);
    ThenClick(ids[i]);
    EXPECT_EQ(StandardMessageBox("Text", "Title", 0xFF, 0), bits[i]) << i;
    EXPECT_EQ(shown.Row(), "1:OK|6:&Yes|7:&No|3:&Abort|4:&Retry|5:&Ignore|2:Cancel|9:&Help");
    EXPECT_EQ(shown.title, "Title");
  }
}

TEST_F(MessageBoxTest, YesInAYesNoBoxReturnsTwo) {
  ThenPress('Y');
  EXPECT_EQ(StandardMessageBox("Save?", "Q", kButtonYes | kButtonNo, 0), 2u);
}

TEST_F(MessageBoxTest, TheDefaultIsTheLastNamedShownButtonElseTheFirst) {
  ShownBox shown;
  ThenLook(shown);
  ThenPress(VK_RETURN);
  EXPECT_EQ(StandardMessageBox("t", "t", 0x42, 0x40), kButtonCancel);
  EXPECT_EQ(shown.DefaultLook(), "Cancel");
  EXPECT_EQ(shown.focus, "Cancel");

  ThenPress(VK_RETURN);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonYes | kButtonNo, kButtonCancel), kButtonYes);  // not shown
  ThenPress(VK_RETURN);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonYes | kButtonNo | kButtonCancel, kButtonYes | kButtonNo), kButtonNo);
}

TEST_F(MessageBoxTest, AMaskWithoutAnyTableBitShowsOkAlone) {
  for (uint32_t mask : {0u, 0x100u}) {
    ShownBox shown;
    ThenLook(shown);
    ThenPress(VK_RETURN);
    EXPECT_EQ(MessageBoxCore("t", "t", mask, 0, StandardButtons()), kButtonOk);
    EXPECT_EQ(shown.Row(), "1:OK");
  }
}

TEST_F(MessageBoxTest, EscapeEndsOnlyWithCancelAndTheCloseRequestsActAsEscape) {
  ThenPress(VK_ESCAPE);  // nothing: no Cancel
  ThenPress('N');
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonYes | kButtonNo, 0), kButtonNo);
  ThenPress(VK_ESCAPE);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk | kButtonCancel, 0), kButtonCancel);
  ThenAlt(VK_F4);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonYes | kButtonNo | kButtonCancel, 0), kButtonCancel);
  Then([] { PostMessage(GetActiveWindow(), WM_CLOSE, 0, 0); });
  ThenPress(VK_RETURN);  // the close request did nothing without Cancel
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk, 0), kButtonOk);
}

TEST_F(MessageBoxTest, HelpEndsTheBox) {
  ThenPress('H');
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk | kButtonHelp, 0), kButtonHelp);
}

TEST_F(MessageBoxTest, KeysMoveTheFocusAndTheDefaultLookFollowsIt) {
  std::vector<std::string> seen;
  auto note = [&seen](const char* key) {
    ShownBox box = Look();
    seen.push_back(std::string(key) + ": focus " + box.focus + ", looks default " + box.DefaultLook());
  };
  Then([&] { note("open"); });
  ThenPress(VK_TAB);
  Then([&] { note("Tab"); });
  ThenPress(VK_TAB);
  Then([&] { note("Tab"); });
  ThenShifted(VK_TAB);
  Then([&] { note("Shift+Tab"); });
  ThenPress(VK_SPACE);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonYes | kButtonNo | kButtonCancel, kButtonYes), kButtonNo);
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "open: focus &Yes, looks default &Yes",
                      "Tab: focus &No, looks default &No",
                      "Tab: focus Cancel, looks default Cancel",
                      "Shift+Tab: focus &No, looks default &No",
                  }));
}

TEST_F(MessageBoxTest, EnterPressesTheFocusedButtonAndLettersWorkAloneOrWithAlt) {
  ThenPress(VK_TAB);
  ThenPress(VK_RETURN);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonAbort | kButtonRetry | kButtonIgnore, 0), kButtonRetry);
  ThenAlt('I');
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonAbort | kButtonRetry | kButtonIgnore, 0), kButtonIgnore);
  ThenPress('A');
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonAbort | kButtonRetry | kButtonIgnore, 0), kButtonAbort);
}

TEST_F(MessageBoxTest, NothingPressedReturnsZero) {
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk, 0), 0u);
  EXPECT_TRUE(host.Starved());
  Msg quit;
  while (PeekMessage(quit)) {
  }
}

TEST_F(MessageBoxTest, TheOwnerIsDisabledMeanwhileAndTheFocusComesBack) {
  Hwnd owner = CreateWindow("Static", "owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, {100, 100, 400, 300});
  Hwnd child = CreateWindow("button", "child", WS_CHILD | WS_VISIBLE, {10, 10, 60, 30}, owner);
  SetActiveWindow(owner);
  SetFocus(child);
  host.Pump();
  bool ownerEnabled = true;
  Hwnd boxOwner;
  Then([&] {
    ownerEnabled = IsWindowEnabled(owner);
    boxOwner = GetOwner(GetActiveWindow());
  });
  ThenPress(VK_RETURN);
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk, 0), kButtonOk);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_EQ(boxOwner, owner);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetFocus(), child);
}

TEST_F(MessageBoxTest, TheRuntimesOwnBoxesHaveNoOwner) {
  Hwnd owner = CreateWindow("Static", "owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, {100, 100, 400, 300});
  SetActiveWindow(owner);
  host.Pump();
  bool ownerEnabled = false;
  Then([&] { ownerEnabled = IsWindowEnabled(owner); });
  ThenPress(VK_RETURN);
  MessageBoxOptions options;
  options.withoutOwner = true;
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk, 0, options), kButtonOk);
  EXPECT_TRUE(ownerEnabled);
}

TEST_F(MessageBoxTest, CaptionOverridesComeStraightFromTheListAndEmptyOnesAreIgnored) {
  rt::SetMessageOverride(32513, "&Ja");  // Yes
  rt::SetMessageOverride(32514, "");     // No: ignored
  ShownBox shown;
  ThenLook(shown);
  ThenPress('J');
  EXPECT_EQ(StandardMessageBox("t", "t", kButtonOk | kButtonYes | kButtonNo, 0), kButtonYes);
  EXPECT_EQ(shown.Row(), "1:OK|6:&Ja|7:&No");  // never "Unknown Error Posted : 32512"
}

TEST_F(MessageBoxTest, CustomButtonsReturnTheirPosition) {
  ShownBox shown;
  ThenLook(shown);
  ThenClick(101);
  EXPECT_EQ(CustomMessageBox("t", "t", "Yes|No", 2), 2);
  EXPECT_EQ(shown.Row(), "100:Yes|101:No");  // compared exactly: "Yes" is not "&Yes"
  EXPECT_EQ(shown.DefaultLook(), "No");

  ThenLook(shown);
  ThenPress(VK_ESCAPE);
  EXPECT_EQ(CustomMessageBox("t", "t", "Later|Cancel", 1), 2);
  EXPECT_EQ(shown.Row(), "100:Later|2:Cancel");
}

TEST_F(MessageBoxTest, ATableTextUsedTwiceTakesTheNextCustomId) {
  ShownBox shown;
  ThenLook(shown);
  ThenClick(100);
  EXPECT_EQ(CustomMessageBox("t", "t", "OK|OK", 1), 2);
  EXPECT_EQ(shown.Row(), "1:OK|100:OK");
}

TEST_F(MessageBoxTest, EmptyItemsAreBlankButtonsAndOnlyEightCount) {
  ShownBox shown;
  ThenLook(shown);
  ThenClick(102);
  EXPECT_EQ(CustomMessageBox("t", "t", "a||c|d|e|f|g|h|i|j", 1), 3);
  EXPECT_EQ(shown.Row(), "100:a|101:|102:c|103:d|104:e|105:f|106:g|107:h");
}

TEST_F(MessageBoxTest, ACustomDefaultOutsideTheListIsTheFirstButton) {
  for (int position : {0, -3, 3, 99}) {
    ShownBox shown;
    ThenLook(shown);
    ThenPress(VK_RETURN);
    EXPECT_EQ(CustomMessageBox("t", "t", "One|Two", position), 1) << position;
    EXPECT_EQ(shown.DefaultLook(), "One");
  }
}

}  // namespace
}  // namespace qor::win::testing
