// The message statement: what it makes of its texts, icons and button lists, the
// replacement handler, the looks, the screen's limits, and the box without a display.
#include <gtest/gtest.h>

#include "runtime/base/flags.h"
#include "runtime/values/value_stack.h"
#include "tests/window/message_box/box_fixture.h"
#include "window/message_box/box_style.h"
#include "window/message_box/box_template.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/message_box_core.h"
#include "window/message_box/message_statement.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/styles.h"

namespace qor::win::testing {
namespace {

using namespace ui;

class MessageStatementTest : public BoxTest {
 protected:
  void TearDown() override {
    SetMessageHandler(nullptr);
    BoxTest::TearDown();
  }
};

MessageArguments Args(std::string text, std::string buttons, int32_t defaultButton = 0, std::string icon = "") {
  return {std::move(text), "Title", std::move(icon), std::move(buttons), defaultButton, 0};
}

TEST_F(MessageStatementTest, BarsInTheTextBecomeLineBreaks) {
  ShownBox shown;
  ThenLook(shown);
  ThenPress(VK_RETURN);
  EXPECT_EQ(Message(Args("first|second", "")), 1);
  EXPECT_EQ(shown.Find(-1)->text, "first\r\nsecond");
  EXPECT_EQ(shown.Row(), "1:OK");
}

TEST_F(MessageStatementTest, ButtonsTextPicksTheBox) {
  ThenPress('N');
  EXPECT_EQ(Message(Args("t", "6   ", kButtonYes)), static_cast<int32_t>(kButtonNo));  // blanks cut
  ShownBox shown;
  ThenLook(shown);
  ThenPress(VK_RETURN);
  EXPECT_EQ(Message(Args("t", "256")), static_cast<int32_t>(kButtonOk));  // no table bit: OK alone
  EXPECT_EQ(shown.Row(), "1:OK");
  ThenLook(shown);
  ThenPress(VK_ESCAPE);
  EXPECT_EQ(Message(Args("t", "99999999999x")), static_cast<int32_t>(kButtonCancel));  // saturates: all eight
  EXPECT_EQ(shown.Row(), "1:OK|6:&Yes|7:&No|3:&Abort|4:&Retry|5:&Ignore|2:Cancel|9:&Help");
  ThenLook(shown);
  ThenPress(VK_RETURN);
  EXPECT_EQ(Message(Args("t", "Go on  ")), 1);  // a single custom button
  EXPECT_EQ(shown.Row(), "100:Go on");
}

TEST_F(MessageStatementTest, ButtonMaskTakesTheLeadingDigits) {
  EXPECT_EQ(ButtonMaskOf("67abc"), 67u);
  EXPECT_EQ(ButtonMaskOf("4294967296"), 0xFFu);
  EXPECT_EQ(ButtonMaskOf("0"), 0u);
}

TEST_F(MessageStatementTest, AStockIconNameShowsTheIconAndAnUnknownNameLeavesItOut) {
  ShownBox withIcon;
  ThenLook(withIcon);
  ThenPress(VK_RETURN);
  Message(Args("t", "", 0, StockIconName(IDI_QUESTION) + "  "));
  ASSERT_NE(withIcon.Find(kBoxIconId), nullptr);
  ShownBox without;
  ThenLook(without);
  ThenPress(VK_RETURN);
  Message(Args("t", "", 0, "NOSUCH.ICO"));
  EXPECT_EQ(without.Find(kBoxIconId), nullptr);
  EXPECT_LT(without.Find(-1)->place.left, withIcon.Find(-1)->place.left);
}

int32_t Recorded(const MessageArguments& a) {
  static std::string seen;
  seen = a.text + "/" + a.title + "/" + a.icon + "/" + a.buttons + "/" + std::to_string(a.defaultButton) + "/" +
         std::to_string(a.modal);
  return static_cast<int32_t>(seen.size());
}

TEST_F(MessageStatementTest, TheReplacementHandlerGetsThePoppedTextsAndBothNumbers) {
  SetMessageHandler(Recorded);
  rt::StrPushCString("the text|two");
  rt::StrPushCString("the title");
  rt::StrPushCString("ICON ");
  rt::StrPushCString("Yes|No ");
  EXPECT_EQ(MessageFromStack(2, 1), static_cast<int32_t>(std::string("the text|two/the title/ICON /Yes|No /2/1").size()));
  EXPECT_EQ(rt::StrCount(), 0);
}

TEST_F(MessageStatementTest, TheOlderLookIsHelvBoldAndTheNewerMsSansSerif) {
  EXPECT_EQ(CurrentBoxFace().face, "Helv");
  EXPECT_EQ(CurrentBoxFace().weight, 700);
  DialogBaseUnits bold;
  Then([&] { bold = GetDialogBaseUnits(GetActiveWindow()); });
  ThenPress(VK_RETURN);
  StandardMessageBox("t", "t", kButtonOk, 0);

  rt::SetRuntimeFlagWord(rt::kNewLookFlag);
  EXPECT_EQ(CurrentBoxFace().face, "MS Sans Serif");
  EXPECT_EQ(CurrentBoxFace().weight, 400);
  DialogBaseUnits regular;
  Then([&] { regular = GetDialogBaseUnits(GetActiveWindow()); });
  ThenPress(VK_RETURN);
  StandardMessageBox("t", "t", kButtonOk, 0);
  EXPECT_GT(bold.width, 0);
  EXPECT_GE(bold.width, regular.width);
  EXPECT_EQ(bold.height, regular.height);  // one 8-point size for both
}

TEST_F(MessageStatementTest, OnA640By480ScreenEvenAHugeTextAndEightButtonsFit) {
  host.SetScreenSize({640, 480});
  std::string text = "Start " + std::string(300, 'W') + " and then";
  for (int i = 0; i < 200; ++i) text += " more words";
  ShownBox shown;
  ThenLook(shown);
  ThenClick(9);
  EXPECT_EQ(Message(Args(text, "255")), static_cast<int32_t>(kButtonHelp));
  EXPECT_GE(shown.window.left, 0);
  EXPECT_GE(shown.window.top, 0);
  EXPECT_LE(shown.window.right, 640);
  EXPECT_LE(shown.window.bottom, 480);
  for (const ShownControl& c : shown.controls) {
    EXPECT_GE(c.place.left, 0) << c.text;
    EXPECT_LE(c.place.right, shown.client.right) << c.text;
    EXPECT_LE(c.place.bottom, shown.client.bottom) << c.text;
  }
  const std::string& shownText = shown.Find(-1)->text;
  EXPECT_TRUE(shownText.ends_with("...")) << shownText;
  EXPECT_TRUE(shownText.starts_with("Start\r\nWWW")) << shownText.substr(0, 20);
}

TEST(MessageBoxWithoutDisplayTest, WritesTitleAndTextToStandardErrorAndNobodyAnswers) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Message({"Save it?|Really", "Question", "", "Yes|No", 1, 0}), 0);
  EXPECT_EQ(StandardMessageBox("Gone", "Notice", kButtonOk, kButtonOk), 0u);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Question: Save it?\nReally\nNotice: Gone\n");
}

}  // namespace
}  // namespace qor::win::testing
