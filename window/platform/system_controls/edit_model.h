#pragma once
// The text of a single-line field being edited, apart from any window: the text, the
// caret and the selection (an anchor and the caret, which is the end that moves), insert
// or overwrite, the modified mark, a length limit, and one level of undo that toggles
// (undoing twice puts the edit back). Positions are character indices from 0 to the
// length; characters are single bytes of code page 1252.
//
// The "Edit" control maps keys and mouse actions onto these operations and draws what
// the model holds; nothing here knows about windows, fonts or the clipboard.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qor::ui {

// What an edit did: whether the text changed, and whether text was refused or cut short
// because of the length limit (the field then beeps and tells its parent).
struct EditOutcome {
  bool changed = false;
  bool hitLimit = false;
};

class EditModel {
 public:
  // The limit of a field nobody limited, and what a limit of 0 asks for.
  static constexpr size_t kLargestLimit = 0x7FFFFFFE;

  const std::string& Text() const { return text_; }
  size_t Length() const { return text_.size(); }
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool HasSelection() const { return anchor_ != caret_; }
  std::string SelectedText() const;

  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  size_t Limit() const { return limit_; }
  // 0 gives the largest limit. Text already longer than a new limit stays.
  void SetLimit(size_t limit);
  bool Overwrite() const { return overwrite_; }
  void SetOverwrite(bool overwrite) { overwrite_ = overwrite; }

  // Replaces the whole text, as a program sets it: the caret at the start, nothing
  // selected, not modified, nothing to undo. The limit does not cut it.
  void SetText(std::string_view text);

  // Moving the caret. With `extend` the anchor stays (Shift held) and the selection
  // grows or shrinks; without it the selection goes. Left and Right without `extend`
  // on a selection go to its start and end.
  void MoveTo(size_t position, bool extend);
  void MoveLeft(bool extend);
  void MoveRight(bool extend);
  // To the start of the word before, or of the next word (words are separated by blanks).
  void WordLeft(bool extend);
  void WordRight(bool extend);
  void MoveHome(bool extend) { MoveTo(0, extend); }
  void MoveEnd(bool extend) { MoveTo(text_.size(), extend); }
  // Selects from `anchor` to `caret` (each kept within the text).
  void Select(size_t anchor, size_t caret);
  void SelectAll() { Select(0, text_.size()); }
  // The word at a position (the run of blanks when the position is on one).
  void SelectWordAt(size_t position);

  // Types a printable character: it replaces the selection, or in overwrite mode the
  // character under the caret. Refused when the text would grow past the limit. A run of
  // typed characters is undone as one.
  EditOutcome Type(char character);
  // Puts text in place of the selection as a paste does: it stops at the first line
  // break, control characters are dropped, and it is cut to the room the limit leaves.
  EditOutcome Paste(std::string_view text);
  // Deletes the selection, else the character before (Backspace) or after (Delete) the
  // caret.
  EditOutcome Backspace();
  EditOutcome Delete();
  // Deletes the selection only.
  EditOutcome Clear();

  // Undoes the last edit (the text, selection and caret before it come back); undoing
  // again redoes it. False when there is nothing to undo.
  bool Undo();
  bool CanUndo() const { return undo_.has_value(); }
  void ForgetUndo() { undo_.reset(); }

  // Word boundaries of a text: where Ctrl+Left and Ctrl+Right go from a position.
  static size_t PreviousWordStart(std::string_view text, size_t from);
  static size_t NextWordStart(std::string_view text, size_t from);
  // What a paste keeps of a text: up to the first line break, without control characters.
  static std::string PastableText(std::string_view text);

 private:
  struct Snapshot {
    std::string text;
    size_t anchor = 0;
    size_t caret = 0;
  };

  // Replaces the characters from `start` to `end` with `with` and puts the caret after
  // them; what was there can be undone (a typing run keeps the state before its start).
  EditOutcome ReplaceRange(size_t start, size_t end, std::string_view with, bool typing);
  void RememberForUndo();
  size_t Clamp(size_t position) const { return position < text_.size() ? position : text_.size(); }

  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t limit_ = kLargestLimit;
  bool modified_ = false;
  bool overwrite_ = false;
  bool typing_ = false;  // the last edit was typing, and the caret has not moved since
  std::optional<Snapshot> undo_;
};

}  // namespace qor::ui
