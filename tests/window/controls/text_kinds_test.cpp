// The kinds that show a text: where a prompt's and a string's ink lands (justified,
// offset, turned 900 to read upward from the bottom left, clipped), the colour the
// window gives them, the tool tip's text on request, the inert kinds, and error 503.
#include <gtest/gtest.h>

#include "resources/messages/error_messages.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/controls/control.h"
#include "window/controls/control_class.h"
#include "window/controls/control_tips.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/system_controls/tooltip_control.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

constexpr ui::ColorRef kRed = 0x0000FF;

ControlRecord TextRecord(uint8_t type, int32_t number, Placement at, std::string text, uint32_t flags = 0) {
  ControlRecord record;
  record.type = type;
  record.number = number;
  record.at = at;
  record.text = std::move(text);
  record.flags = flags;
  return record;
}

class TextKindsTest : public WindowRuntimeTest {
 protected:
  void SetUp() override {
    WindowRuntimeTest::SetUp();
    RegisterStandardControlKinds();
  }
  Control& Open(std::vector<ControlRecord> controls) {
    window = PrepareSmall(SmallWindow("K" + std::to_string(++windows) + "$WINDOW", std::move(controls)));
    OpenWindow(window);
    host.Pump();
    return *window->controls[0];
  }
  // The ink of a control's client area, in its client coordinates.
  ui::Rect Ink(const Control& control, ui::ColorRef want = 0, bool* seen = nullptr) {
    ui::UpdateWindow(WindowHandle(window));
    ui::UpdateWindow(control.Handle());
    if (seen) *seen = false;
    auto canvas = ui::WindowCanvas(control.Handle());
    ui::Rect area = ui::ClientRectOnCanvas(control.Handle());
    ui::Pixel background = canvas->At(area.left, area.top);
    ui::Rect ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        ui::Pixel pixel = canvas->At(x, y);
        if (pixel == background) continue;
        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
        if (seen && ui::ColorFromPixel(pixel) == want) *seen = true;
      }
    }
    return ink.Offset(-area.left, -area.top);
  }

  Window* window = nullptr;
  int windows = 0;
};

TEST_F(TextKindsTest, StringAtNineHundredReadsUpwardFromTheBottomLeftAndStaysInItsBox) {
  ControlRecord turned = TextRecord(layout::kTypeString, 1, {4, 2, 18, 51}, "Procedures");
  turned.angle = 900;
  turned.font = FontRecord{"", 10, layout::kDefaultColour, 700};
  Control& control = Open({turned});
  ui::Rect box = ui::GetClientRect(control.Handle());
  ui::Rect ink = Ink(control);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GT(ink.Height(), 2 * ink.Width());     // runs up, not across
  EXPECT_GE(ink.bottom, box.bottom - 3);       // starts at the bottom
  EXPECT_LE(ink.left, 3);                      // on the left
  EXPECT_LE(ink.bottom, box.bottom);

  ControlRecord flat = TextRecord(layout::kTypeString, 1, {4, 2, 60, 10}, "Procedures");
  Control& across = Open({flat});
  ui::Rect inkAcross = Ink(across);
  EXPECT_GT(inkAcross.Width(), 2 * inkAcross.Height());
}

TEST_F(TextKindsTest, LongStringIsClippedToItsBox) {
  ControlRecord turned = TextRecord(layout::kTypeString, 1, {4, 2, 18, 20}, "Functions And Procedures Again");
  turned.angle = 900;
  Control& control = Open({turned});
  ui::Rect ink = Ink(control);
  EXPECT_EQ(ink.top, 0);  // reaches the top and is cut there
  EXPECT_LE(ink.bottom, ui::GetClientRect(control.Handle()).bottom);
}

TEST_F(TextKindsTest, PromptJustificationAndOffset) {
  Control& left = Open({TextRecord(layout::kTypePrompt, 1, {4, 2, 100, 10}, "BIT", 0x04)});
  ui::Rect leftInk = Ink(left);
  EXPECT_LE(leftInk.left, 2);

  Control& right = Open({TextRecord(layout::kTypePrompt, 1, {4, 2, 100, 10}, "BIT", 0x08)});
  int width = ui::GetClientRect(right.Handle()).right;
  EXPECT_GE(Ink(right).right, width - 2);

  right.SetJustifyOffset(8);  // 8 dialog units to the left
  int shift = ui::DialogUnitsToPixelsX(8, right.OwnerUnits());
  EXPECT_NEAR(Ink(right).right, width - shift, 2);

  Control& centred = Open({TextRecord(layout::kTypePrompt, 1, {4, 2, 100, 10}, "BIT", 0x10)});
  ui::Rect ink = Ink(centred);
  EXPECT_NEAR(ink.left + ink.right, ui::GetClientRect(centred.Handle()).right, 3);
}

TEST_F(TextKindsTest, TheWindowPaintsAControlsTextInItsFontColour) {
  Control& prompt = Open({TextRecord(layout::kTypePrompt, 62, {4, 2, 100, 10}, "To SET, RESET")});
  bool red = true;
  Ink(prompt, kRed, &red);
  EXPECT_FALSE(red);
  ControlFont font = prompt.Font();
  font.colour = static_cast<int32_t>(kRed);
  prompt.SetFont(font);
  Ink(prompt, kRed, &red);
  EXPECT_TRUE(red);
}

TEST_F(TextKindsTest, TheTipAsksForTheCurrentHelpTextAndFollowsItsChanges) {
  ControlRecord button = Button(1);
  button.help = "V1 = 0";
  Control& control = Open({button, Button(2)});
  Control& plain = *window->controls[1];
  EXPECT_TRUE(HasControlTip(control));
  EXPECT_FALSE(HasControlTip(plain));
  auto ask = [&](Control& tool) {
    ui::ToolTipText request;
    request.header.from = ui::ThreadToolTip();
    request.header.id = tool.Handle().AsParam();
    request.header.code = ui::TTN_GETDISPINFO;
    ui::SendMessage(WindowHandle(window), ui::WM_NOTIFY, 0, reinterpret_cast<ui::LParam>(&request));
    return std::string(request.text ? request.text : "");
  };
  EXPECT_EQ(ask(control), "V1 = 0");
  control.SetTip("V1 = V2");
  EXPECT_EQ(ask(control), "V1 = V2");
  control.SetTip("");
  EXPECT_FALSE(HasControlTip(control));
  plain.SetTip("now one");
  EXPECT_TRUE(HasControlTip(plain));
}

TEST_F(TextKindsTest, RestingOnAButtonShowsItsHelpTextInTheThreadsTip) {
  ControlRecord button = Button(1);
  button.help = "Swap the lower 8 bits of V1 and V3.";
  Control& control = Open({button});
  ui::Hwnd tip = ui::ThreadToolTip();
  host.MouseMove(control.Handle(), {3, 3});
  host.Advance(600);
  EXPECT_TRUE(ui::IsWindowVisible(tip));
  EXPECT_EQ(ui::GetWindowText(tip), "Swap the lower 8 bits of V1 and V3.");
}

TEST_F(TextKindsTest, CheckBoxListAndDropShowTheirTextAndPostNothing) {
  ControlRecord check = TextRecord(layout::kTypeCheck, 1, {4, 2, 60, 10}, "check");
  ControlRecord list = TextRecord(layout::kTypeList, 2, {4, 14, 60, 10}, "list");
  ControlRecord drop = TextRecord(layout::kTypeDrop, 3, {4, 26, 60, 10}, "drop");
  list.dropForm = 1;
  for (ControlRecord* record : {&check, &list, &drop}) record->use = UseDescriptor{18, 10};
  Control& box = Open({check, list, drop});
  EXPECT_EQ(ui::GetClassName(box.Handle()), "QorCheck");
  EXPECT_EQ(ui::GetClassName(window->controls[1]->Handle()), "QorDrop");
  EXPECT_EQ(ui::GetClassName(window->controls[2]->Handle()), "QorDrop");
  EXPECT_EQ(ui::GetWindowText(box.Handle()), "check");
  EXPECT_FALSE(Ink(*window->controls[2]).IsEmpty());
  host.Click(box.Handle(), {2, 2});
  host.Pump();
  EXPECT_FALSE(window->queue.Contains(event::Accepted + kEventBase, 1));
}

TEST_F(TextKindsTest, ChangesReachTheControlsWindow) {
  Control& prompt = Open({TextRecord(layout::kTypePrompt, 1, {4, 2, layout::kNotGiven, layout::kNotGiven}, "V1:")});
  ui::Hwnd hwnd = prompt.Handle();
  int narrow = ui::GetWindowPlacement(hwnd).Width();
  prompt.SetText("Group 1 Start - G1S:");
  EXPECT_EQ(ui::GetWindowText(hwnd), "Group 1 Start - G1S:");
  EXPECT_GT(ui::GetWindowPlacement(hwnd).Width(), 3 * narrow);  // the automatic width follows

  prompt.SetPosition({40, 20, 30, 10});
  ui::DialogBaseUnits units = prompt.OwnerUnits();
  EXPECT_EQ(ui::GetWindowPlacement(hwnd),
            (ui::Rect{ui::DialogUnitsToPixelsX(40, units), ui::DialogUnitsToPixelsY(20, units),
                      ui::DialogUnitsToPixelsX(40, units) + ui::DialogUnitsToPixelsX(30, units),
                      ui::DialogUnitsToPixelsY(20, units) + ui::DialogUnitsToPixelsY(10, units)}));
  EXPECT_FALSE(prompt.AutoWidth());  // given sizes end the automatic ones

  EXPECT_EQ(ui::GetWindowStyle(hwnd) & ui::WS_TABSTOP, ui::WS_TABSTOP);
  prompt.SetFlags(prompt.Flags() | 0x20);
  EXPECT_EQ(ui::GetWindowStyle(hwnd) & ui::WS_TABSTOP, 0u);
  prompt.SetFlags(prompt.Flags() & ~0x20u);
  EXPECT_EQ(ui::GetWindowStyle(hwnd) & ui::WS_TABSTOP, ui::WS_TABSTOP);

  ui::LResult before = ui::SendMessage(hwnd, ui::WM_GETFONT, 0, 0);
  ControlFont big = prompt.Font();
  big.points = 24;
  prompt.SetFont(big);
  EXPECT_NE(ui::SendMessage(hwnd, ui::WM_GETFONT, 0, 0), before);

  prompt.SetDisabled(true);
  EXPECT_FALSE(ui::IsWindowEnabled(hwnd));
  prompt.SetHidden(true);
  EXPECT_FALSE(ui::IsWindowVisible(hwnd));
}

ui::LResult NoProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

using TextKindsDeathTest = TextKindsTest;

TEST_F(TextKindsDeathTest, AMissingSystemClassIsInternalError03) {
  res::RegisterErrorMessages(os::ExecutableModule());
  EXPECT_EXIT(UseControlClass(ControlClass{"QorOrphan", "NoSuchSystemClass", NoProc}),
              ::testing::ExitedWithCode(2), "Internal error 03 : WSLDIAL");
}

}  // namespace
}  // namespace qor::win::testing
