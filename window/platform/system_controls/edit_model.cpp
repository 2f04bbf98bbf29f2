#include "window/platform/system_controls/edit_model.h"

#include <utility>

namespace qor::ui {

namespace {

bool IsBlank(char c) { return c == ' '; }

bool IsControl(char c) {
  auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7F;
}

}  // namespace

std::string EditModel::SelectedText() const {
  return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditModel::SetLimit(size_t limit) { limit_ = (limit == 0 || limit > kLargestLimit) ? kLargestLimit : limit; }

void EditModel::SetText(std::string_view text) {
  text_ = text;
  anchor_ = caret_ = 0;
  modified_ = false;
  typing_ = false;
  undo_.reset();
}

void EditModel::MoveTo(size_t position, bool extend) {
  caret_ = Clamp(position);
  if (!extend) anchor_ = caret_;
  typing_ = false;
}

void EditModel::MoveLeft(bool extend) {
  if (!extend && HasSelection()) return MoveTo(SelectionStart(), false);
  MoveTo(caret_ > 0 ? caret_ - 1 : 0, extend);
}

void EditModel::MoveRight(bool extend) {
  if (!extend && HasSelection()) return MoveTo(SelectionEnd(), false);
  MoveTo(caret_ + 1, extend);
}

void EditModel::WordLeft(bool extend) { MoveTo(PreviousWordStart(text_, caret_), extend); }

void EditModel::WordRight(bool extend) { MoveTo(NextWordStart(text_, caret_), extend); }

void EditModel::Select(size_t anchor, size_t caret) {
  anchor_ = Clamp(anchor);
  caret_ = Clamp(caret);
  typing_ = false;
}

void EditModel::SelectWordAt(size_t position) {
  if (text_.empty()) return Select(0, 0);
  size_t at = position < text_.size() ? position : text_.size() - 1;
  bool blank = IsBlank(text_[at]);
  size_t start = at;
  while (start > 0 && IsBlank(text_[start - 1]) == blank) --start;
  size_t end = at;
  while (end < text_.size() && IsBlank(text_[end]) == blank) ++end;
  Select(start, end);
}

size_t EditModel::PreviousWordStart(std::string_view text, size_t from) {
  size_t at = from < text.size() ? from : text.size();
  while (at > 0 && IsBlank(text[at - 1])) --at;
  while (at > 0 && !IsBlank(text[at - 1])) --at;
  return at;
}

size_t EditModel::NextWordStart(std::string_view text, size_t from) {
  size_t at = from < text.size() ? from : text.size();
  while (at < text.size() && !IsBlank(text[at])) ++at;
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

std::string EditModel::PastableText(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c == '\r' || c == '\n') break;
    if (!IsControl(c)) kept += c;
  }
  return kept;
}

void EditModel::RememberForUndo() { undo_ = Snapshot{text_, anchor_, caret_}; }

EditOutcome EditModel::ReplaceRange(size_t start, size_t end, std::string_view with, bool typing) {
  if (!(typing && typing_)) RememberForUndo();
  text_.replace(start, end - start, with);
  anchor_ = caret_ = start + with.size();
  modified_ = true;
  typing_ = typing;
  return {true, false};
}

EditOutcome EditModel::Type(char character) {
  if (IsControl(character)) return {};
  if (overwrite_ && !HasSelection() && caret_ < text_.size()) {
    return ReplaceRange(caret_, caret_ + 1, std::string_view(&character, 1), true);
  }
  size_t grown = text_.size() - (SelectionEnd() - SelectionStart()) + 1;
  if (grown > limit_) return {false, true};
  return ReplaceRange(SelectionStart(), SelectionEnd(), std::string_view(&character, 1), true);
}

EditOutcome EditModel::Paste(std::string_view text) {
  std::string kept = PastableText(text);
  if (kept.empty()) return {};
  size_t remaining = text_.size() - (SelectionEnd() - SelectionStart());
  size_t room = limit_ > remaining ? limit_ - remaining : 0;
  bool cut = kept.size() > room;
  if (cut) kept.resize(room);
  if (kept.empty()) return {false, true};
  EditOutcome outcome = ReplaceRange(SelectionStart(), SelectionEnd(), kept, false);
  outcome.hitLimit = cut;
  return outcome;
}

EditOutcome EditModel::Backspace() {
  if (HasSelection()) return Clear();
  if (caret_ == 0) return {};
  return ReplaceRange(caret_ - 1, caret_, {}, false);
}

EditOutcome EditModel::Delete() {
  if (HasSelection()) return Clear();
  if (caret_ >= text_.size()) return {};
  return ReplaceRange(caret_, caret_ + 1, {}, false);
}

EditOutcome EditModel::Clear() {
  if (!HasSelection()) return {};
  return ReplaceRange(SelectionStart(), SelectionEnd(), {}, false);
}

bool EditModel::Undo() {
  if (!undo_) return false;
  Snapshot before{text_, anchor_, caret_};
  text_ = std::move(undo_->text);
  anchor_ = undo_->anchor;
  caret_ = undo_->caret;
  undo_ = std::move(before);
  modified_ = true;
  typing_ = false;
  return true;
}

}  // namespace qor::ui
