// The "Edit" class: keys, mouse, clipboard, messages and notifications of a single-line
// field, its caret, its scrolling and how it looks.
#include <algorithm>

#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/caret.h"
#include "window/platform/core/clipboard.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/system_controls/edit_control.h"

namespace qor::ui::testing {
namespace {

class EditTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    field = MakeControl(kEditClass, "field", WS_BORDER | WS_TABSTOP, {20, 20, 140, 42}, 9);
    SetWindowText(field, "");  // made with its name as its text
    Take();
  }

  std::string Text() const { return GetWindowText(field); }
  std::pair<uint32_t, uint32_t> Selection() const {
    uint32_t start = 0, end = 0;
    SendMessage(field, EM_GETSEL, reinterpret_cast<WParam>(&start), reinterpret_cast<LParam>(&end));
    return {start, end};
  }
  // What the parent heard from the field since the last look, as "EN_<code>" lines.
  Sequence Notifications() {
    Sequence heard;
    for (const std::string& line : Take()) {
      if (line.rfind("main WM_COMMAND 9 ", 0) != 0) continue;
      heard.push_back(line.substr(18, line.size() - 18 - 6));
    }
    return heard;
  }
  void Focus() {
    SetFocus(field);
    host.Pump();
    Take();
  }
  void Keys(std::initializer_list<uint32_t> keys) {
    for (uint32_t key : keys) host.Press(key);
    host.Pump();
  }
  // A key with a modifier held. The modifiers are read as the key's message is handled,
  // so the queue is read before the modifier goes up.
  void Chord(uint32_t modifier, uint32_t key) {
    host.KeyDown(modifier);
    host.Press(key);
    host.Pump();
    host.KeyUp(modifier);
    host.Pump();
  }
  void Chord(uint32_t first, uint32_t second, uint32_t key) {
    host.KeyDown(first);
    Chord(second, key);
    host.KeyUp(first);
    host.Pump();
  }
  Point At(size_t index) { return UnpackPoint(SendMessage(field, EM_POSFROMCHAR, index, 0)); }

  Hwnd field;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndTellsTheParentEachChange) {
  Focus();
  host.Type("ab");
  host.Pump();
  EXPECT_EQ(Text(), "ab");
  EXPECT_EQ(Notifications(), (Sequence{"768", "768"}));
  EXPECT_EQ(SendMessage(field, EM_GETMODIFY, 0, 0), 1);
  Keys({VK_LEFT});
  host.Type("X");
  host.Pump();
  EXPECT_EQ(Text(), "aXb");
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{2, 2}));
}

TEST_F(EditTest, FocusShowsTheCaretAndTellsTheParent) {
  SetWindowText(field, "abc");
  host.Pump();
  Take();
  SetFocus(field);
  host.Pump();
  EXPECT_EQ(Notifications(), (Sequence{"256"}));
  CaretInfo caret = GetCaretInfo();
  EXPECT_EQ(caret.owner, field);
  EXPECT_TRUE(caret.shown);
  EXPECT_EQ(caret.rect.Width(), 1);
  EXPECT_EQ(caret.rect.left, At(0).x);
  SetFocus(main);
  host.Pump();
  EXPECT_EQ(Notifications(), (Sequence{"512"}));
  EXPECT_FALSE(GetCaretInfo().owner);
}

TEST_F(EditTest, TheFocusedFieldTakesTheCaretBackFromAnotherWindow) {
  Focus();
  CreateCaret(main, 1, 5);  // someone else makes the one caret
  host.Type("a");
  host.Pump();
  EXPECT_EQ(GetCaretInfo().owner, field);
  EXPECT_TRUE(GetCaretInfo().shown);
  EXPECT_EQ(GetCaretInfo().rect.left, At(1).x);
}

TEST_F(EditTest, InsertTogglesOverwriteAndABlockCaret) {
  SetWindowText(field, "abc");
  Focus();
  Keys({VK_INSERT});
  EXPECT_GT(GetCaretInfo().rect.Width(), 1);
  EXPECT_EQ(GetCaretInfo().rect.Width(), At(1).x - At(0).x);
  host.Type("XY");
  host.Pump();
  EXPECT_EQ(Text(), "XYc");
  Keys({VK_INSERT});
  EXPECT_EQ(GetCaretInfo().rect.Width(), 1);
  host.Type("Z");
  host.Pump();
  EXPECT_EQ(Text(), "XYZc");
}

TEST_F(EditTest, ArrowsWordsHomeAndEndWithShiftSelecting) {
  SetWindowText(field, "one two three");
  Focus();
  Keys({VK_END});
  EXPECT_EQ(Selection().second, 13u);
  Chord(VK_CONTROL, VK_LEFT);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{8, 8}));
  Chord(VK_SHIFT, VK_HOME);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{0, 8}));
  Chord(VK_SHIFT, VK_CONTROL, VK_RIGHT);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{4, 8}));
  Keys({VK_BACK});
  EXPECT_EQ(Text(), "one three");
  Keys({VK_HOME, VK_DELETE});
  EXPECT_EQ(Text(), "ne three");
}

TEST_F(EditTest, ClipboardKeysCopyCutPasteAndUndo) {
  SetWindowText(field, "alpha beta");
  Focus();
  Chord(VK_CONTROL, 'A');
  Chord(VK_CONTROL, 'C');
  EXPECT_EQ(GetClipboardText(), "alpha beta");
  SendMessage(field, EM_SETSEL, 0, 5);
  Chord(VK_CONTROL, 'X');
  EXPECT_EQ(GetClipboardText(), "alpha");
  EXPECT_EQ(Text(), " beta");
  Keys({VK_END});
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(Text(), " betaalpha");
  Chord(VK_CONTROL, 'Z');
  EXPECT_EQ(Text(), " beta");
  Chord(VK_CONTROL, 'Z');
  EXPECT_EQ(Text(), " betaalpha");
  SendMessage(field, EM_SETSEL, 0, 1);
  Chord(VK_SHIFT, VK_DELETE);
  EXPECT_EQ(GetClipboardText(), " ");
  Chord(VK_CONTROL, VK_INSERT);  // nothing selected: the clipboard keeps its text
  EXPECT_EQ(GetClipboardText(), " ");
  Chord(VK_SHIFT, VK_INSERT);
  EXPECT_EQ(Text(), " betaalpha");
  SendMessage(field, EM_SETSEL, 0, 5);
  Chord(VK_CONTROL, VK_INSERT);
  EXPECT_EQ(GetClipboardText(), " beta");
}

TEST_F(EditTest, APasteStopsAtALineBreakDropsControlsAndIsCutAtTheLimitWithABeep) {
  Focus();
  SendMessage(field, EM_LIMITTEXT, 6, 0);
  SetClipboardText("ab\tc\r\nnext line");
  SendMessage(field, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(host.Beeps(), 0);
  SetClipboardText("12345");
  SendMessage(field, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(), "abc123");
  EXPECT_EQ(host.Beeps(), 1);
  EXPECT_EQ(Notifications(), (Sequence{"768", "1281", "768"}));
  host.Type("z");
  host.Pump();
  EXPECT_EQ(Text(), "abc123");
  EXPECT_EQ(host.Beeps(), 2);
  EXPECT_EQ(Notifications(), (Sequence{"1281"}));
}

TEST_F(EditTest, AParentThatDestroysTheFieldWhenToldOfTheLimitLeavesNothingBehind) {
  Focus();
  SendMessage(field, EM_LIMITTEXT, 3, 0);
  host.Type("ab");
  host.Pump();
  Log().react = [this](Hwnd, uint32_t message, WParam wParam, LParam) -> std::optional<LResult> {
    if (message == WM_COMMAND && HighWord(wParam) == EN_MAXTEXT) DestroyWindow(field);
    return std::nullopt;
  };
  SetClipboardText("xyz");
  SendMessage(field, EM_SETSEL, 1, 1);
  SendMessage(field, WM_PASTE, 0, 0);  // cut to "x"; the field goes before the change is shown
  Log().react = nullptr;
  EXPECT_FALSE(IsWindow(field));
  EXPECT_NE(GetCaretInfo().owner, field);
}

TEST_F(EditTest, AClickPlacesTheCaretAShiftClickExtendsAndADragSelects) {
  SetWindowText(field, "abcdef");
  host.Pump();
  Point third = At(3);
  host.Click(field, {third.x + 1, 10});
  host.Pump();
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{3, 3}));
  host.KeyDown(VK_SHIFT);
  host.Click(field, {At(5).x, 10});
  host.Pump();
  host.KeyUp(VK_SHIFT);
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{3, 5}));
  host.Stall(600);  // not a double click
  host.MouseDown(field, {At(1).x, 10});
  host.Pump();
  host.MouseMove(field, {At(4).x, 10});
  host.Pump();
  host.MouseUp(field, {At(4).x, 10});
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{1, 4}));
  EXPECT_FALSE(GetCapture());
}

TEST_F(EditTest, ADoubleClickSelectsAWord) {
  SetWindowText(field, "one two");
  host.Pump();
  host.DoubleClick(field, {At(5).x + 1, 10});
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{4, 7}));
}

TEST_F(EditTest, DraggingPastTheRightEdgeScrollsOnWhileTheButtonIsHeld) {
  SetWindowText(field, "the quick brown fox jumps over the lazy dog");
  host.Pump();
  host.MouseDown(field, {At(0).x, 10});
  host.Pump();
  host.MouseMove(field, {200, 10});  // beyond the field's right edge
  host.Pump();
  uint32_t afterMove = Selection().second;
  host.Advance(1000);
  uint32_t afterHold = Selection().second;
  EXPECT_GT(afterHold, afterMove);
  EXPECT_EQ(afterHold, 43u);  // ten steps a second reach the end
  Point end = At(43);
  EXPECT_LT(end.x, 120);      // the text has scrolled: the end is in view
  host.MouseUp(field, {200, 10});
  host.Pump();
  uint32_t released = Selection().second;
  host.Advance(500);
  EXPECT_EQ(Selection().second, released);
}

TEST_F(EditTest, TypingPastTheRightEdgeScrollsTheCaretIntoView) {
  Focus();
  host.Type("the quick brown fox jumps");
  host.Pump();
  Rect client = GetClientRect(field);
  CaretInfo caret = GetCaretInfo();
  EXPECT_GE(caret.rect.left, 0);
  EXPECT_LT(caret.rect.right, client.right);
  EXPECT_LT(At(0).x, 0);  // the start has scrolled off
  Keys({VK_HOME});
  EXPECT_EQ(GetCaretInfo().rect.left, At(0).x);
  EXPECT_GT(At(0).x, 0);
}

TEST_F(EditTest, AlignmentPlacesShortTextAtItsEdge) {
  Hwnd centred = MakeControl(kEditClass, "centred", ES_CENTER, {20, 60, 140, 80}, 10);
  Hwnd right = MakeControl(kEditClass, "right", ES_RIGHT, {20, 90, 140, 110}, 11);
  SetWindowText(centred, "ab");
  SetWindowText(right, "ab");
  int width = UnpackPoint(SendMessage(right, EM_POSFROMCHAR, 2, 0)).x -
              UnpackPoint(SendMessage(right, EM_POSFROMCHAR, 0, 0)).x;
  int centreStart = UnpackPoint(SendMessage(centred, EM_POSFROMCHAR, 0, 0)).x;
  int rightEnd = UnpackPoint(SendMessage(right, EM_POSFROMCHAR, 2, 0)).x;
  EXPECT_NEAR(centreStart, (120 - width) / 2, 2);
  EXPECT_NEAR(rightEnd, 120 - 2, 1);
}

TEST_F(EditTest, MarginsNarrowTheOneTextAreaOfTextCaretClicksAndScrolling) {
  SendMessage(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, PackWords(20, 30));
  EXPECT_EQ(SendMessage(field, EM_GETMARGINS, 0, 0), PackWords(20, 30));
  SendMessage(field, EM_SETMARGINS, EC_RIGHTMARGIN, PackWords(99, 40));  // the left one stays
  EXPECT_EQ(SendMessage(field, EM_GETMARGINS, 0, 0), PackWords(20, 40));
  Focus();
  host.Type("the quick brown fox jumps");
  host.Pump();
  EXPECT_LE(GetCaretInfo().rect.right, 120 - 3 - 40 + 1);  // scrolled to keep the caret left of the margin
  EXPECT_LT(At(0).x, 23);
  Keys({VK_HOME});
  EXPECT_EQ(At(0).x, 3 + 20);  // the well, a pixel, the margin
  EXPECT_EQ(GetCaretInfo().rect.left, At(0).x);
  host.Click(field, {At(2).x + 1, 10});
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{2, 2}));
  host.Click(field, {5, 10});  // in the margin, left of the text
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{0, 0}));
  Rect ink = InkIn(field, {2, 2, 118, 20}, GetSysColor(COLOR_WINDOW));
  EXPECT_GE(ink.left, 23);
  EXPECT_LE(ink.right, 120 - 3 - 40);  // clipped to the text area

  SendMessage(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, PackWords(1000, 1000));
  host.Pump();
  Point start = At(0);  // wider than the field: an empty area, nothing drawn outside it
  EXPECT_GE(start.x, 0);
  EXPECT_TRUE(InkIn(field, {2, 2, 118, 20}, GetSysColor(COLOR_WINDOW)).IsEmpty());
}

TEST_F(EditTest, MessagesSetAndReadTheSelectionModifiedMarkAndLimit) {
  SetWindowText(field, "abcdef");
  EXPECT_EQ(SendMessage(field, EM_GETMODIFY, 0, 0), 0);
  SendMessage(field, EM_SETSEL, 4, 1);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{1, 4}));
  EXPECT_EQ(SendMessage(field, EM_GETSEL, 0, 0), PackWords(1, 4));
  SendMessage(field, EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{0, 6}));
  SendMessage(field, EM_SETSEL, static_cast<WParam>(-1), 0);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{6, 6}));
  SendMessage(field, EM_REPLACESEL, 1, reinterpret_cast<LParam>("gh\r\nij"));
  EXPECT_EQ(Text(), "abcdefgh");
  EXPECT_EQ(SendMessage(field, EM_GETMODIFY, 0, 0), 1);
  EXPECT_EQ(SendMessage(field, EM_CANUNDO, 0, 0), 1);
  EXPECT_EQ(SendMessage(field, EM_UNDO, 0, 0), 1);
  EXPECT_EQ(Text(), "abcdef");
  EXPECT_EQ(SendMessage(field, WM_UNDO, 0, 0), 1);
  EXPECT_EQ(Text(), "abcdefgh");
  SendMessage(field, EM_SETMODIFY, 0, 0);
  EXPECT_EQ(SendMessage(field, EM_GETMODIFY, 0, 0), 0);
  SendMessage(field, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessage(field, EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_EQ(Text(), "abcdefgh");  // a lower limit leaves the text alone
  SendMessage(field, EM_SETSEL, 0, 8);
  SendMessage(field, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(SendMessage(field, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(SendMessage(field, WM_GETDLGCODE, 0, 0), LResult(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS));
}

TEST_F(EditTest, SettingTheTextForgetsTheUndoAndTheMarkButTellsTheParent) {
  Focus();
  host.Type("x");
  host.Pump();
  Take();
  SetWindowText(field, "new");
  EXPECT_EQ(Notifications(), (Sequence{"768"}));
  EXPECT_EQ(SendMessage(field, EM_GETMODIFY, 0, 0), 0);
  EXPECT_EQ(SendMessage(field, EM_CANUNDO, 0, 0), 0);
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{0, 0}));
}

TEST_F(EditTest, AReadOnlyFieldCopiesButRefusesEveryChangeByTheUser) {
  SetWindowText(field, "fixed");
  SendMessage(field, EM_SETREADONLY, 1, 0);
  Focus();
  host.Type("x");
  Keys({VK_BACK, VK_DELETE});
  Chord(VK_CONTROL, 'A');
  Chord(VK_CONTROL, 'X');
  SetClipboardText("pasted");
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(Text(), "fixed");
  EXPECT_EQ(host.Beeps(), 1);  // the typed character
  Chord(VK_CONTROL, 'C');
  EXPECT_EQ(GetClipboardText(), "fixed");
}

TEST_F(EditTest, TheClassCursorIsTheIBeamAndDoubleClicksArrive) {
  EXPECT_EQ(GetCursorShape(GetClassCursor(field)), CursorShape::IBeam);
  EXPECT_TRUE(GetClassStyle(field) & CS_DBLCLKS);
}

TEST_F(EditTest, TheBorderIsASunkenWellInsideTheWindowAndTheTextIsInTheColoursOfThePainting) {
  EXPECT_FALSE(GetWindowStyle(field) & WS_BORDER);
  EXPECT_EQ(GetClientRect(field), (Rect{0, 0, 120, 22}));
  host.Pump();
  EXPECT_EQ(PixelOf(field, 0, 0), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(PixelOf(field, 1, 1), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(PixelOf(field, 119, 21), GetSysColor(COLOR_3DHILIGHT));
  EXPECT_EQ(PixelOf(field, 60, 11), GetSysColor(COLOR_WINDOW));
  SetWindowText(field, "WWW");
  host.Pump();
  Rect ink = InkIn(field, {2, 2, 118, 20}, GetSysColor(COLOR_WINDOW));
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_LE(ink.left, 5);
  EnableWindow(field, false);
  host.Pump();
  EXPECT_EQ(PixelOf(field, 60, 11), GetSysColor(COLOR_BTNFACE));  // coloured as static text
}

TEST_F(EditTest, TheSelectionShowsInTheHighlightColoursOnlyWhileFocused) {
  SetWindowText(field, "WWWW");
  SendMessage(field, EM_SETSEL, 0, 4);
  host.Pump();
  Point cellTop = At(1);  // the top row of the line's cell, above the letters
  EXPECT_EQ(PixelOf(field, cellTop.x + 1, cellTop.y), GetSysColor(COLOR_WINDOW));
  SetFocus(field);
  host.Pump();
  EXPECT_EQ(Selection(), (std::pair<uint32_t, uint32_t>{0, 4}));
  EXPECT_EQ(PixelOf(field, cellTop.x + 1, cellTop.y), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PixelOf(field, At(4).x + 3, cellTop.y), GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace qor::ui::testing
