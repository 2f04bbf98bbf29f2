// The editing model of a single-line field, without any window: moving and selecting,
// typing and overwriting, the limit, pasting, deleting and the one toggling undo.
#include "window/platform/system_controls/edit_model.h"

#include <gtest/gtest.h>

namespace qor::ui {
namespace {

// "text [anchor,caret]" for readable expectations.
std::string Show(const EditModel& m) {
  return m.Text() + " [" + std::to_string(m.Anchor()) + "," + std::to_string(m.Caret()) + "]";
}

EditModel With(std::string_view text, size_t anchor, size_t caret) {
  EditModel m;
  m.SetText(text);
  m.Select(anchor, caret);
  return m;
}

TEST(EditModelMoves, ArrowsHomeAndEndMoveOrExtendAndStayInTheText) {
  EditModel m = With("abcdef", 2, 2);
  m.MoveLeft(false);
  EXPECT_EQ(Show(m), "abcdef [1,1]");
  m.MoveRight(true);
  m.MoveRight(true);
  EXPECT_EQ(Show(m), "abcdef [1,3]");
  m.MoveEnd(true);
  EXPECT_EQ(Show(m), "abcdef [1,6]");
  m.MoveRight(true);
  EXPECT_EQ(Show(m), "abcdef [1,6]");
  m.MoveHome(false);
  m.MoveLeft(false);
  EXPECT_EQ(Show(m), "abcdef [0,0]");
  m.MoveTo(99, false);
  EXPECT_EQ(Show(m), "abcdef [6,6]");
}

TEST(EditModelMoves, LeftAndRightWithoutShiftGoToTheEndsOfASelection) {
  EditModel m = With("abcdef", 4, 2);
  m.MoveRight(false);
  EXPECT_EQ(Show(m), "abcdef [4,4]");
  m.Select(1, 5);
  m.MoveLeft(false);
  EXPECT_EQ(Show(m), "abcdef [1,1]");
}

TEST(EditModelMoves, WordsAreSeparatedByBlanks) {
  EditModel m = With("one  two three", 0, 0);
  m.WordRight(false);
  EXPECT_EQ(m.Caret(), 5u);
  m.WordRight(true);
  EXPECT_EQ(Show(m), "one  two three [5,9]");
  m.WordRight(false);
  EXPECT_EQ(m.Caret(), 14u);
  m.WordLeft(false);
  EXPECT_EQ(m.Caret(), 9u);
  m.MoveTo(7, false);  // inside "two"
  m.WordLeft(false);
  EXPECT_EQ(m.Caret(), 5u);
  m.WordLeft(false);
  EXPECT_EQ(m.Caret(), 0u);
  m.WordLeft(false);
  EXPECT_EQ(m.Caret(), 0u);
}

TEST(EditModelMoves, ADoubleClickSelectsTheWordOrTheBlanksUnderIt) {
  EditModel m = With("one  two", 0, 0);
  m.SelectWordAt(6);
  EXPECT_EQ(Show(m), "one  two [5,8]");
  m.SelectWordAt(3);
  EXPECT_EQ(Show(m), "one  two [3,5]");
  m.SelectWordAt(50);  // past the end: the last word
  EXPECT_EQ(Show(m), "one  two [5,8]");
  EditModel empty;
  empty.SelectWordAt(0);
  EXPECT_EQ(Show(empty), " [0,0]");
}

TEST(EditModelTyping, TypesReplacesTheSelectionAndMarksTheText) {
  EditModel m = With("abc", 1, 1);
  EXPECT_FALSE(m.Modified());
  EXPECT_TRUE(m.Type('X').changed);
  EXPECT_EQ(Show(m), "aXbc [2,2]");
  EXPECT_TRUE(m.Modified());
  m.Select(0, 3);
  m.Type('-');
  EXPECT_EQ(Show(m), "-c [1,1]");
  EXPECT_FALSE(m.Type('\t').changed);  // control characters are not typed
  EXPECT_EQ(m.Text(), "-c");
}

TEST(EditModelTyping, OverwriteReplacesTheCharacterUnderTheCaretAndAppendsAtTheEnd) {
  EditModel m = With("abc", 1, 1);
  m.SetOverwrite(true);
  m.Type('X');
  m.Type('Y');
  m.Type('Z');
  EXPECT_EQ(Show(m), "aXYZ [4,4]");
  m.Select(0, 2);
  m.Type('Q');  // a selection is replaced as in insert mode
  EXPECT_EQ(Show(m), "QYZ [1,1]");
}

TEST(EditModelTyping, TheLimitRefusesGrowthButNotOverwriting) {
  EditModel m = With("abc", 3, 3);
  m.SetLimit(3);
  EditOutcome refused = m.Type('d');
  EXPECT_FALSE(refused.changed);
  EXPECT_TRUE(refused.hitLimit);
  EXPECT_EQ(m.Text(), "abc");
  m.MoveTo(1, false);
  m.SetOverwrite(true);
  EXPECT_TRUE(m.Type('B').changed);
  EXPECT_EQ(m.Text(), "aBc");
  m.Select(0, 1);
  m.SetOverwrite(false);
  EXPECT_TRUE(m.Type('A').changed);  // replacing a selection does not grow the text
  EXPECT_EQ(m.Text(), "ABc");
  m.SetLimit(0);
  EXPECT_EQ(m.Limit(), EditModel::kLargestLimit);
}

TEST(EditModelTyping, ALowerLimitKeepsALongerText) {
  EditModel m = With("abcdef", 0, 0);
  m.SetLimit(2);
  EXPECT_EQ(m.Text(), "abcdef");
  EXPECT_FALSE(m.Backspace().changed);
  m.MoveEnd(false);
  EXPECT_TRUE(m.Type('g').hitLimit);
}

TEST(EditModelPaste, StopsAtALineBreakDropsControlsAndIsCutAtTheLimit) {
  EditModel m = With("ab", 1, 1);
  EditOutcome pasted = m.Paste("1\t2\x7f" "3\r\nsecond line");
  EXPECT_TRUE(pasted.changed);
  EXPECT_FALSE(pasted.hitLimit);
  EXPECT_EQ(Show(m), "a123b [4,4]");
  m.SetLimit(7);
  EditOutcome cut = m.Paste("xyz");
  EXPECT_TRUE(cut.changed);
  EXPECT_TRUE(cut.hitLimit);
  EXPECT_EQ(Show(m), "a123xyb [6,6]");
  EditOutcome full = m.Paste("q");
  EXPECT_FALSE(full.changed);
  EXPECT_TRUE(full.hitLimit);
  EXPECT_FALSE(m.Paste("\r\n").changed);  // nothing left to paste: nothing happens
  EXPECT_EQ(EditModel::PastableText("caf\xe9\n"), "caf\xe9");  // code page 1252 letters stay
}

TEST(EditModelPaste, ReplacesTheSelectionWithinTheRoomItLeaves) {
  EditModel m = With("abcd", 1, 3);
  m.SetLimit(5);
  EXPECT_TRUE(m.Paste("1234").hitLimit);
  EXPECT_EQ(Show(m), "a123d [4,4]");
}

TEST(EditModelDeleting, BackspaceAndDeleteTakeTheSelectionOrOneCharacter) {
  EditModel m = With("abcdef", 2, 2);
  m.Backspace();
  EXPECT_EQ(Show(m), "acdef [1,1]");
  m.Delete();
  EXPECT_EQ(Show(m), "adef [1,1]");
  m.Select(3, 1);
  m.Delete();
  EXPECT_EQ(Show(m), "af [1,1]");
  m.MoveHome(false);
  EXPECT_FALSE(m.Backspace().changed);
  m.MoveEnd(false);
  EXPECT_FALSE(m.Delete().changed);
  EXPECT_FALSE(m.Clear().changed);
}

TEST(EditModelUndo, UndoesTheLastEditAndUndoingAgainRedoesIt) {
  EditModel m = With("abc", 3, 3);
  EXPECT_FALSE(m.CanUndo());
  m.Select(0, 1);
  m.Delete();
  EXPECT_EQ(Show(m), "bc [0,0]");
  ASSERT_TRUE(m.Undo());
  EXPECT_EQ(Show(m), "abc [0,1]");
  ASSERT_TRUE(m.Undo());
  EXPECT_EQ(Show(m), "bc [0,0]");
  EXPECT_TRUE(m.Modified());
}

TEST(EditModelUndo, ARunOfTypingIsUndoneAsOneButAMoveStartsANewRun) {
  EditModel m = With("ab", 2, 2);
  m.Type('c');
  m.Type('d');
  m.Undo();
  EXPECT_EQ(Show(m), "ab [2,2]");
  m.Undo();
  EXPECT_EQ(Show(m), "abcd [4,4]");
  m.Type('e');
  m.MoveLeft(false);
  m.MoveRight(false);
  m.Type('f');
  m.Undo();
  EXPECT_EQ(Show(m), "abcde [5,5]");
}

TEST(EditModelUndo, SettingTheTextForgetsTheUndoAndTheMark) {
  EditModel m = With("ab", 2, 2);
  m.Type('c');
  m.SetText("new");
  EXPECT_FALSE(m.CanUndo());
  EXPECT_FALSE(m.Undo());
  EXPECT_FALSE(m.Modified());
  EXPECT_EQ(Show(m), "new [0,0]");
}

}  // namespace
}  // namespace qor::ui
