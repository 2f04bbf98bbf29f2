// The entry kind in an open window: what it shows through the tester's pictures, what
// leaving it posts, what it stores, the width limit, the keyboard of the window (Tab
// order, Enter) and the range rules of UpdateFields and DisplayFields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "tests/window/controls/entry_fixture.h"
#include "window/accept/field_updates.h"
#include "window/accept/accept.h"
#include "window/controls/control_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/queue_event.h"
#include "window/events/runtime_messages.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/windows/window_lifecycle.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/dialogs/default_button.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/property_calls.h"

namespace qor::win::testing {
namespace {

constexpr uint8_t kByte = 1, kLong = 6, kUlong = 7, kString = 18;

std::pair<uint32_t, uint32_t> Selection(ui::Hwnd field) {
  uint32_t start = 0, end = 0;
  ui::SendMessage(field, ui::EM_GETSEL, reinterpret_cast<ui::WParam>(&start), reinterpret_cast<ui::LParam>(&end));
  return {start, end};
}

// The register of the tester: one value read as ULONG, LONG and four BYTEs.
struct Register {
  uint32_t u = 0;
  char h[11];
  char b[39];
};

class EntryField : public EntryTest {
 protected:
  ui::Point At(int32_t number, size_t index) const {
    return ui::UnpackPoint(ui::SendMessage(FieldOf(number), ui::EM_POSFROMCHAR, index, 0));
  }
  // The first and last columns the field's text is drawn in (the well and its colour
  // left out).
  std::pair<int, int> InkColumns(int32_t number) {
    ui::Hwnd field = FieldOf(number);
    ui::UpdateWindow(field);
    auto canvas = ui::WindowCanvas(field);
    ui::Rect area = ui::ClientRectOnCanvas(field);
      ui::Pixel background = canvas->At(area.left + 3, area.top + 3);
    int first = area.right, last = area.left - 1;
    for (int y = area.top + 2; y < area.bottom - 2; ++y) {
      for (int x = area.left + 2; x < area.right - 2; ++x) {
        if (canvas->At(x, y) == background) continue;
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
    return {first - area.left, last - area.left};
  }

  // Selects the whole field and types over it.
  void Retype(int32_t number, const std::string& text) {
    ui::SetFocus(FieldOf(number));
    ui::SendMessage(FieldOf(number), ui::EM_SETSEL, 0, static_cast<ui::LParam>(-1));
    host.Type(text);
  }
};

TEST_F(EntryField, TheTestersPicturesShowTheirVariables) {
  uint8_t byte = 7;
  int32_t signedValue = -1234567;
  uint32_t value = 4294967295u;
  int32_t delay = 20;
  char hex[11], sh1[1] = {'#'};
  std::memcpy(hex, "FF FF FF FF", 11);
  Open({Field(1, "n3", kByte, 1), Field(2, "n-_11", kLong, 4), SpinBox(3, "n_10", kUlong, 4, -9999999999, 9999999999),
        SpinBox(4, "n-14", kLong, 4, 1, 1000), Field(5, "s11", kString, 11, 0x24), Field(6, "s1", kString, 1, 0x10)},
       {Use(byte, kByte), Use(signedValue, kLong), Use(value, kUlong), Use(delay, kLong), UseText(hex, 11),
        UseText(sh1, 1)});
  DisplayFields();
  EXPECT_EQ(EntryOf(1)->FieldText(), "7");
  EXPECT_EQ(EntryOf(2)->FieldText(), "-1234567");
  EXPECT_EQ(EntryOf(3)->FieldText(), "4294967295");
  EXPECT_EQ(EntryOf(4)->FieldText(), "20");
  EXPECT_EQ(EntryOf(5)->FieldText(), "FF FF FF FF");
  EXPECT_EQ(EntryOf(6)->FieldText(), "#");
  // Justification: 0x24 (left, out of the tab order), 0x10 centred, numbers left by default.
  EXPECT_EQ(ui::GetWindowStyle(FieldOf(5)) & (ui::ES_ALIGNMASK | ui::WS_TABSTOP), ui::ES_LEFT);
  EXPECT_EQ(ui::GetWindowStyle(FieldOf(6)) & ui::ES_ALIGNMASK, ui::ES_CENTER);
  EXPECT_TRUE(ui::GetWindowStyle(FieldOf(1)) & ui::WS_TABSTOP);
}

TEST_F(EntryField, LeavingAcceptsOrRejectsWithThePositionOfTheFirstBadCharacter) {
  uint8_t byte = 7;
  int32_t signedValue = 5;
  int32_t other = 0;
  Open({Field(1, "n3", kByte, 1), Field(2, "n-_11", kLong, 4), Field(3, "n-_11", kLong, 4)},
       {Use(byte, kByte), Use(signedValue, kLong), Use(other, kLong)});
  Run({{10, [&] { Retype(1, "300"); }},
       {20, [&] { host.Press(ui::VK_TAB); }},  // rejected: 300 is no BYTE
       {30, [&] { Retype(2, "12a4"); }},
       {40, [&] { host.Press(ui::VK_TAB); }},  // rejected at the "a"
       {50, [&] { host.Press(ui::VK_TAB); }},  // unmodified: nothing
       {60, [&] { Retype(1, "42"); }},
       {70, [&] { host.Press(ui::VK_TAB); }}});
  EXPECT_EQ(After(), (Seq{"20 EVENT:Rejected 1 at 1",
                          "20 EVENT:Selected 2", "40 EVENT:Rejected 2 at 3", "40 EVENT:Selected 3",
                          "50 EVENT:Selected 1", "70 EVENT:Accepted 1", "70 EVENT:Selected 2"}));
  EXPECT_EQ(byte, 42);
  EXPECT_EQ(signedValue, 5);  // refused: unchanged, and the text and its mark stay
  EXPECT_EQ(EntryOf(2)->FieldText(), "12a4");
  EXPECT_TRUE(EntryOf(2)->Modified());
  EXPECT_EQ(EntryOf(1)->FieldText(), "42");
  EXPECT_FALSE(EntryOf(1)->Modified());
}

TEST_F(EntryField, ARefusedTextStaysUntilTheProgramChangesTheVariable) {
  int32_t value = 5;
  Open({Field(1, "n-_11", kLong, 4)}, {Use(value, kLong)});
  DisplayFields();
  EntryOf(1)->SetFieldText("x9");  // a set through the text property marks it modified
  EXPECT_FALSE(EntryOf(1)->AcceptInPlace());
  EntryOf(1)->Redisplay();
  DisplayFields();
  EXPECT_EQ(EntryOf(1)->FieldText(), "x9");
  value = 6;
  DisplayFields();
  EXPECT_EQ(EntryOf(1)->FieldText(), "6");
  EXPECT_FALSE(EntryOf(1)->Modified());
}

TEST_F(EntryField, TypingStopsAtThePicturesWidthWithABeep) {
  uint8_t byte = 0;
  char sh1[1] = {'#'};
  Open({Field(1, "n3", kByte, 1), Field(2, "s1", kString, 1)}, {Use(byte, kByte), UseText(sh1, 1)});
  Run({{10, [&] { Retype(1, "1234"); }}, {20, [&] { Retype(2, "xy"); }}});
  EXPECT_EQ(EntryOf(1)->FieldText(), "123");
  EXPECT_EQ(EntryOf(2)->FieldText(), "x");
  EXPECT_EQ(host.Beeps(), 2);
}

TEST_F(EntryField, StringPicturesKeepTextAsTypedWithItsZeroBytes) {
  char block[90];
  std::memset(block, ' ', sizeof block);
  std::memcpy(block, "ab\0cd", 5);
  Open({Field(1, "s90", kString, 90), Field(2, "s90", kString, 90)}, {UseText(block, 90), UseText(block, 90)});
  DisplayFields();
  EXPECT_EQ(EntryOf(1)->FieldText(), std::string("ab\0cd", 5));
  Run({{10, [&] {
          ui::SetFocus(FieldOf(1));
          ui::SendMessage(FieldOf(1), ui::EM_SETSEL, 5, 5);
          host.Type(" 1,2 x");
        }},
       {20, [&] { host.Press(ui::VK_TAB); }}});
  EXPECT_EQ(std::string(block, 12), std::string("ab\0cd 1,2 x ", 12));
  // The other field over the same block shows the change, a 0 byte and all.
  EXPECT_EQ(EntryOf(2)->FieldText(), std::string("ab\0cd 1,2 x", 11));
}

TEST_F(EntryField, EntriesWithoutAVariableKeepAPrivateString) {
  Open({}, {});
  ControlRecord record = Field(9, "", 0, 0);
  record.use.reset();
  std::unique_ptr<Control> made = CreateControl(*window, record);
  auto* entry = dynamic_cast<EntryControl*>(made.get());
  ASSERT_NE(entry, nullptr);
  entry->SetFieldText(std::string(300, 'z'));
  EXPECT_TRUE(entry->AcceptInPlace());
  EntryControl::Variable shown = entry->Shown();
  EXPECT_EQ(shown.size, 255u);
  EXPECT_EQ(std::string(static_cast<char*>(shown.address), 255), std::string(255, 'z'));
}

TEST_F(EntryField, TabAndShiftTabCycleTheShownEnabledTabStopsAndSelectTheText) {
  int32_t a = 1, b = 22, c = 333, d = 4444;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4, 0x20), Field(3, "n-_11", kLong, 4),
        Field(4, "n-_11", kLong, 4)},
       {Use(a, kLong), Use(b, kLong), Use(c, kLong), Use(d, kLong)});
  ui::EnableWindow(FieldOf(4), false);
  Seq focus;
  auto note = [&] { focus.push_back(std::to_string(FocusControl())); };
  Run({{5, note},
       {10, [&] { host.Press(ui::VK_TAB); }}, {15, note},
       {20, [&] { host.Press(ui::VK_TAB); }}, {25, note},
       {30, [&] {
          host.KeyDown(ui::VK_SHIFT);
          host.Press(ui::VK_TAB);
        }},
       {35, [&] {
          host.KeyUp(ui::VK_SHIFT);
          note();
        }}});
  EXPECT_EQ(focus, (Seq{"1", "3", "1", "3"}));
  EXPECT_EQ(Selection(FieldOf(3)), std::make_pair(0u, 3u));  // entered by Tab: all selected
}

// A button that posts EVENT:Accepted when clicked, made the window's default.
class DefaultButton : public Control {
 public:
  using Control::Control;
  void Command(uint32_t notification) override {
    if (notification == ui::BN_CLICKED) QueueEvent(Owner(), event::Accepted, Number());
  }
};

std::unique_ptr<Control> MakeDefaultButton(Window& owner, const ControlRecord& record) {
  auto button = std::make_unique<DefaultButton>(owner, record);
  ui::Hwnd hwnd = ui::CreateWindow(ui::kButtonClass, "OK", ui::WS_CHILD | ui::WS_VISIBLE | ui::BS_DEFPUSHBUTTON,
                                   {200, 40, 260, 60}, owner.handle, 0x4000 + record.number);
  button->SetHandle(hwnd);
  return button;
}

TEST_F(EntryField, WithoutADefaultButtonEnterAcceptsTheFieldInPlace) {
  int32_t a = 0, b = 0;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4)}, {Use(a, kLong), Use(b, kLong)});
  Run({{10, [&] { Retype(1, "17"); }}, {20, [&] { host.Press(ui::VK_RETURN); }},
       {30, [&] { Retype(1, "1x"); }}, {40, [&] { host.Press(ui::VK_RETURN); }}});
  EXPECT_EQ(After(), (Seq{"20 EVENT:Accepted 1", "40 EVENT:Rejected 1 at 2"}));
  EXPECT_EQ(a, 17);
  EXPECT_EQ(ui::GetFocus(), FieldOf(1));
}

TEST_F(EntryField, EnterPressesTheDefaultButtonAfterTheFieldAccepts) {
  int32_t b = 0;
  RegisterControlKind(layout::kTypeButton, MakeDefaultButton);
  Open({Field(1, "n-_11", kLong, 4), Button(5)}, {Use(b, kLong)});
  Run({{10, [&] { Retype(1, "8"); }}, {20, [&] { host.Press(ui::VK_RETURN); }},
       {30, [&] { Retype(1, "8y"); }}, {40, [&] { host.Press(ui::VK_RETURN); }}});
  EXPECT_EQ(After(), (Seq{"20 EVENT:Accepted 1", "20 EVENT:Accepted 5",
                          "40 EVENT:Rejected 1 at 2"}));
  EXPECT_EQ(b, 8);
}

TEST_F(EntryField, TheFocusStartsOnTheFirstTabStop) {
  int32_t a = 0, b = 0;
  Open({Field(1, "n-_11", kLong, 4, 0x20), Field(2, "n-_11", kLong, 4)}, {Use(a, kLong), Use(b, kLong)});
  EXPECT_EQ(ui::GetFocus(), FieldOf(2));
  EXPECT_EQ(FocusControl(), 2);
}

TEST_F(EntryField, DisplayFieldsFollowsOverlaidViewsOfOneValueWithinItsRange) {
  Register v;
  std::memset(v.h, ' ', sizeof v.h);
  std::memset(v.b, ' ', sizeof v.b);
  auto* bytes = reinterpret_cast<uint8_t*>(&v.u);
  Open({SpinBox(10, "n_10", kUlong, 4, -9999999999, 9999999999), Field(11, "n-_11", kLong, 4),
        Field(12, "n3", kByte, 1), Field(13, "n3", kByte, 1), Field(14, "n3", kByte, 1), Field(15, "n3", kByte, 1)},
       {UseVariable{&v.u, kUlong, 4}, UseVariable{&v.u, kLong, 4}, UseVariable{bytes, kByte, 1},
        UseVariable{bytes + 1, kByte, 1}, UseVariable{bytes + 2, kByte, 1}, UseVariable{bytes + 3, kByte, 1}});
  DisplayFields();
  v.u = 0x80000000u;
  DisplayFields(15, 11);  // reversed: 11 to 15
  EXPECT_EQ(EntryOf(10)->FieldText(), "0");
  EXPECT_EQ(EntryOf(11)->FieldText(), "-2147483648");
  EXPECT_EQ(EntryOf(15)->FieldText(), "128");
  DisplayFields(10);  // the first alone
  EXPECT_EQ(EntryOf(10)->FieldText(), "2147483648");
  // A byte typed into B1 reaches U and L through their own copies.
  Run({{10, [&] { Retype(12, "1"); }}, {20, [&] { host.Press(ui::VK_TAB); }}});
  EXPECT_EQ(v.u, 0x80000001u);
  EXPECT_EQ(EntryOf(10)->FieldText(), "2147483649");
  EXPECT_EQ(EntryOf(11)->FieldText(), "-2147483647");
}

TEST_F(EntryField, UpdateFieldsStoresEditedValidFieldsInItsRangeWithoutEvents) {
  int32_t a = 0, b = 0, c = 0;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4), Field(3, "n-_11", kLong, 4)},
       {Use(a, kLong), Use(b, kLong), Use(c, kLong)});
  DisplayFields();
  window->queue.Clear();  // the opening's events
  EntryOf(1)->SetFieldText("11");
  EntryOf(2)->SetFieldText("2x");
  EntryOf(3)->SetFieldText("33");
  UpdateFields(2, 1);
  EXPECT_EQ(a, 11);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(c, 0);
  EXPECT_TRUE(EntryOf(2)->Modified());
  UpdateFields();
  EXPECT_EQ(c, 33);
  EXPECT_FALSE(EntryOf(3)->Modified());
  EXPECT_TRUE(window->queue.Empty());
}

TEST_F(EntryField, TheCompletionPassSelectsTheFirstFieldThatDoesNotPass) {
  int32_t a = 0, b = 0;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4)}, {Use(a, kLong), Use(b, kLong)});
  DisplayFields();
  EntryOf(2)->SetFieldText("9z");
  EXPECT_TRUE(EntryOf(1)->ContentsValid());
  EXPECT_FALSE(EntryOf(2)->ContentsValid());
}

ui::WindowProc runtimeProc = nullptr;
std::vector<std::string> editDone;

ui::LResult NoteEditDone(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == QUERY_EDITDONE) editDone.push_back(std::to_string(wParam));
  return ui::CallWindowProc(runtimeProc, hwnd, message, wParam, lParam);
}

TEST_F(EntryField, AFieldMarkedToReportCompletionTellsItsWindowAfterEachAcceptedEdit) {
  int32_t a = 0, b = 0;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4)}, {Use(a, kLong), Use(b, kLong)});
  editDone.clear();
  runtimeProc = ui::SetWindowProc(WindowHandle(window), NoteEditDone);
  EntryOf(1)->SetReportsCompletion(true);
  for (const char* text : {"4", "4q", "5"}) {
    EntryOf(1)->SetFieldText(text);
    EntryOf(1)->AcceptInPlace();
    EntryOf(2)->SetFieldText(text);
    EntryOf(2)->AcceptInPlace();
  }
  ui::SetWindowProc(WindowHandle(window), runtimeProc);
  EXPECT_EQ(editDone, (Seq{"1", "1"}));  // accepted twice; refused once; field 2 is not marked
  EXPECT_EQ(a, 5);
}

TEST_F(EntryField, TheTextPropertyReadsWhatTheFieldHoldsAndASetMarksItModified) {
  int32_t a = 5;
  Open({Field(1, "n-_11", kLong, 4)}, {Use(a, kLong)});
  DisplayFields();
  EXPECT_EQ(ReadPropertyText(*window, 1, prop::kText), "5");
  Run({{10, [&] { Retype(1, "12"); }}});
  EXPECT_EQ(ReadPropertyText(*window, 1, prop::kText), "12");
  EXPECT_EQ(WriteProperty(*window, 1, prop::kText, "x1"), PropertyResult::kDone);
  EXPECT_EQ(EntryOf(1)->FieldText(), "x1");
  EXPECT_TRUE(EntryOf(1)->Modified());
  EXPECT_FALSE(EntryOf(1)->AcceptInPlace());
  EXPECT_EQ(a, 5);
}

TEST_F(EntryField, ReCreatedInPlaceItKeepsItsTextMarkLimitAndFocus) {
  int32_t a = 0, b = 0;
  Open({Field(1, "n-_11", kLong, 4), Field(2, "n-_11", kLong, 4)}, {Use(a, kLong), Use(b, kLong)});
  DisplayFields();
  ui::Hwnd old = FieldOf(1);
  ui::Rect at = ui::GetWindowPlacement(old);
  EntryOf(1)->SetFieldText(std::string("1\0x", 3));
  ASSERT_TRUE(EntryOf(1)->Recreate());
  EXPECT_NE(FieldOf(1), old);
  EXPECT_FALSE(ui::IsWindow(old));
  EXPECT_EQ(ui::GetWindowPlacement(FieldOf(1)), at);
  EXPECT_EQ(EntryOf(1)->FieldText(), std::string("1\0x", 3));
  EXPECT_TRUE(EntryOf(1)->Modified());
  EXPECT_EQ(ui::GetFocus(), FieldOf(1));
  EXPECT_EQ(ui::SendMessage(FieldOf(1), ui::EM_GETLIMITTEXT, 0, 0), 11);
  EXPECT_FALSE(EntryOf(1)->AcceptInPlace());  // the new field is the entry's: it checks and refuses
}

}  // namespace
}  // namespace qor::win::testing

namespace qor::win::testing {
namespace {

TEST_F(EntryField, TheJustificationOffsetMovesTheTextAndWhereAClickPlacesTheCaret) {
  char text[20];
  std::memset(text, ' ', sizeof text);
  std::memcpy(text, "abcd", 4);
  int32_t number = 42;
  Open({Field(1, "s20", kString, 20, 0x04), Field(2, "n-_11", kLong, 4, 0x08)}, {UseText(text, 20), Use(number, kLong)});
  DisplayFields();
  host.Pump();
  int leftStart = At(1, 0).x, rightEnd = At(2, 2).x;
  std::pair<int, int> leftInk = InkColumns(1), rightInk = InkColumns(2);

  EXPECT_EQ(WriteProperty(*window, 1, prop::kLeftOffset, 10), PropertyResult::kDone);
  EXPECT_EQ(WriteProperty(*window, 2, prop::kRightOffset, 10), PropertyResult::kDone);
  host.Pump();
  int shift = ui::DialogUnitsToPixelsX(10, EntryOf(1)->OwnerUnits());
  ASSERT_GT(shift, 10);
  EXPECT_EQ(At(1, 0).x, leftStart + shift);  // left text moves right
  EXPECT_EQ(At(2, 2).x, rightEnd - shift);   // right text moves left
  EXPECT_EQ(InkColumns(1).first, leftInk.first + shift);
  EXPECT_EQ(InkColumns(2).second, rightInk.second - shift);

  int middle = ui::GetClientRect(FieldOf(1)).bottom / 2;
  Seq carets;
  auto click = [&](int32_t field, int x, const std::string& where) {
    host.Stall(600);  // never a double click
    host.Click(FieldOf(field), {x, middle});
    host.Pump();
    carets.push_back(where + " -> " + std::to_string(Selection(FieldOf(field)).first));
  };
  click(1, At(1, 2).x + 1, "field 1 just after b");
  click(1, leftStart, "field 1 in the margin");
  click(2, At(2, 1).x + 1, "field 2 just after 4");
  click(2, rightEnd - 1, "field 2 in the margin");
  EXPECT_EQ(carets, (Seq{"field 1 just after b -> 2", "field 1 in the margin -> 0", "field 2 just after 4 -> 1",
                         "field 2 in the margin -> 2"}));

  // Centred text moves right by the offset too; a negative offset leaves text at its edge.
  EXPECT_EQ(WriteProperty(*window, 1, prop::kCentredOffset, 0), PropertyResult::kDone);
  int centre = At(1, 0).x;
  EXPECT_EQ(WriteProperty(*window, 1, prop::kCentredOffset, 10), PropertyResult::kDone);
  EXPECT_NEAR(At(1, 0).x, centre + shift, 1);
  EXPECT_EQ(WriteProperty(*window, 2, prop::kRightOffset, -10), PropertyResult::kDone);
  EXPECT_EQ(At(2, 2).x, rightEnd);
}

}  // namespace
}  // namespace qor::win::testing
