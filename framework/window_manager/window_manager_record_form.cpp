// WindowManager's record form: preparing the request, completing it (insert, change or
// delete one record of the primary file) and guarding the close of a changed form.
#include <string_view>

#include "framework/window_manager/window_manager.h"
#include "window/events/event_codes.h"
#include "window/message_box/box_style.h"

namespace qor::fw {

namespace {
constexpr uint16_t kMessageRecordAdded = 3;
constexpr uint16_t kMessageChangesLost = 8;
constexpr uint16_t kMessageDeleteError = 33;
constexpr uint16_t kMessageUpdateError = 34;
constexpr uint16_t kMessageSaveRecord = 35;

constexpr uint8_t kCancelSaves = 0x01;  // CANCELACTION: save (or ask) before closing
constexpr uint8_t kCancelAsks = 0x02;   // ... asking Yes, No or Cancel
constexpr uint8_t kInsertFinishes = 2, kInsertAddsAnother = 3, kInsertAsks = 4;
constexpr uint8_t kDeleteAsking = 2, kDeleteWithoutAsking = 4;
constexpr uint8_t kUpdateMayRetry = 1;

constexpr uint32_t kYesNoCancel = win::kButtonYes | win::kButtonNo | win::kButtonCancel;
constexpr std::string_view kWaitCursor{"\xFF\x01\x03\x7F", 4};

enum class Answer { Yes, No, Cancel };

// The box may answer 0 (it could not be shown) or a button it was not offered: both
// count as Cancel, so that no question is asked for ever.
Answer AnswerOf(uint32_t pressed) {
  if (pressed == win::kButtonYes) return Answer::Yes;
  if (pressed == win::kButtonNo) return Answer::No;
  return Answer::Cancel;
}

// "Invalid Request": this form cannot insert, update or delete a record.
uint16_t InvalidRequestMessage(uint8_t request) {
  switch (request) {
    case kRequestInsert: return 20;
    case kRequestChange: return 38;
    default: return 12;
  }
}

bool IsRecordRequest(uint8_t request) { return request >= kRequestInsert && request <= kRequestDelete; }

std::string_view TrimmedPosition(const std::string& position) {
  size_t end = position.find_last_not_of(' ');
  return end == std::string::npos ? std::string_view{} : std::string_view(position).substr(0, end + 1);
}
}  // namespace

// A request needs a primary relation; without one the form says it cannot do it.
uint8_t WindowManager::RefuseRequestWithoutPrimary() {
  if (IsRecordRequest(request_)) RaiseMessage(InvalidRequestMessage(request_));
  return IsRecordRequest(request_) ? kLevelFatal : kLevelQuiet;
}

uint8_t WindowManager::PrepareRequest() {
  if (!primary_) return RefuseRequestWithoutPrimary();
  uint8_t result = kLevelQuiet;
  RecordFile& file = primary_->File();
  file.UseFile();
  primary_->Open();
  if (files_) {
    for (FormFile& other : *files_) other.snapshot = other.file->TakeSnapshot();
  }
  if (request_ == kRequestInsert && insertAction_ != 0) {
    response_ = kResponseCompleted;
    PrepareNewRecord();
    if (response_ == kResponseCancelled) {
      result = kLevelFatal;
    } else {
      response_ = kResponseCancelled;
    }
  } else if (request_ == kRequestDelete &&
             (deleteAction_ == kDeleteAsking || deleteAction_ == kDeleteWithoutAsking)) {
    const uint8_t ask = deleteAction_ == kDeleteAsking ? 1 : 0;
    response_ = primary_->Delete(ask) == 0 ? kResponseCompleted : kResponseCancelled;
    result = kLevelFatal;
  }
  saved_ = file.TakeSnapshot();
  return result;
}

uint8_t WindowManager::HandleCompleted() {
  RememberFieldHistory();
  if (IsRecordRequest(request_) && !primary_) {
    RefuseRequestWithoutPrimary();
    return kLevelNotify;
  }
  switch (request_) {
    case kRequestInsert: return CompleteInsert();
    case kRequestChange: return CompleteChange();
    case kRequestDelete: return CompleteDelete();
    default: return kLevelQuiet;
  }
}

void WindowManager::StayInForm() {
  window_.DisplayAll();
  window_.SelectControl(firstField_);
}

uint8_t WindowManager::CompleteInsert() {
  if (primary_->File().Insert() != 0) {
    window_.SelectControl(firstField_);
    return kLevelNotify;
  }
  switch (insertAction_) {
    case kInsertFinishes: SetResponse(kResponseCompleted); return kLevelQuiet;
    case kInsertAsks:
      if (RaiseMessage(kMessageRecordAdded) != 0) {
        SetResponse(kResponseCompleted);
        return kLevelQuiet;
      }
      return AddAnotherRecord();
    case kInsertAddsAnother: return AddAnotherRecord();
    default: return kLevelQuiet;
  }
}

// The record just added stays the one to show when the form closes; the other files'
// buffers and the primary buffer go back to how the form found them, for the next one.
uint8_t WindowManager::AddAnotherRecord() {
  RecordFile& file = primary_->File();
  lastInsertedPosition_ = file.CurrentPosition();
  lastInsertedPosition_.resize(kLastInsertedPositionSize, ' ');
  if (files_) {
    for (FormFile& other : *files_) {
      other.file->RestoreSnapshot(other.snapshot, true);
      other.snapshot = other.file->TakeSnapshot();
    }
  }
  file.RestoreSnapshot(saved_, true);
  if (file.AfterInsertQuery() != 0) {
    window_.PostEvent(win::event::CloseWindow, 0);
  } else {
    PrepareNewRecord();
    response_ = kResponseCancelled;
  }
  saved_ = file.TakeSnapshot();
  StayInForm();
  return kLevelNotify;
}

uint8_t WindowManager::CompleteChange() {
  RecordFile& file = primary_->File();
  for (;;) {
    response_ = kResponseCancelled;
    window_.ShowCursor(kWaitCursor);
    const bool unchanged = file.BufferEqualsSnapshot(saved_);
    const uint8_t status = unchanged ? 0 : primary_->Update(historyKey_ != 0 ? 1 : 0);
    window_.RestoreCursor();
    if (status == kUpdateMayRetry) {
      switch (AnswerOf(ShowMessage(kMessageUpdateError, kYesNoCancel, win::kButtonCancel))) {
        case Answer::Yes: continue;
        case Answer::No: window_.PostEvent(win::event::CloseWindow, 0); return kLevelQuiet;
        case Answer::Cancel: StayInForm(); return kLevelQuiet;
      }
    }
    if (status != 0) {
      StayInForm();
      return kLevelQuiet;
    }
    // An unchanged record completes the form only under a toolbar with no navigation
    // request waiting (a request that is not held reads as none).
    const int32_t navigation = vcrRequest_ ? *vcrRequest_ : 0;
    if (!unchanged || (toolbar_ && navigation == 0)) response_ = kResponseCompleted;
    window_.PostEvent(win::event::CloseWindow, 0);
    return kLevelQuiet;
  }
}

uint8_t WindowManager::CompleteDelete() {
  for (;;) {
    response_ = kResponseCancelled;
    window_.ShowCursor(kWaitCursor);
    const uint8_t status = primary_->Delete(1);
    window_.RestoreCursor();
    if (status == 0) {
      SetResponse(kResponseCompleted);
      return kLevelQuiet;
    }
    switch (AnswerOf(ShowMessage(kMessageDeleteError, kYesNoCancel, win::kButtonCancel))) {
      case Answer::Yes: continue;
      case Answer::No: window_.PostEvent(win::event::CloseWindow, 0); return kLevelQuiet;
      case Answer::Cancel: StayInForm(); return kLevelQuiet;
    }
  }
}

uint8_t WindowManager::HandleCloseRequest() {
  if (response_ == kResponseCompleted || !primary_) return kLevelQuiet;
  RecordFile& file = primary_->File();
  const bool editing = request_ == kRequestInsert || request_ == kRequestChange;
  if (cancelAction_ != 0 && editing && !file.BufferEqualsSnapshot(saved_)) {
    if (AskSaveBeforeClosing() == kLevelNotify) return kLevelNotify;
  }
  if (originalRequest_ == kRequestInsert && response_ == kResponseCancelled && primary_->CancelInsert() != 0) {
    window_.SelectControl(firstField_);
    return kLevelNotify;
  }
  std::string_view position = TrimmedPosition(lastInsertedPosition_);
  if (!position.empty()) {
    response_ = kResponseCompleted;
    file.Reposition(position);
  }
  return kLevelQuiet;
}

// A changed form about to close: save it (through its OK button, or the completion pass
// when it has none), ask first, or ask whether the changes may be lost. 5 keeps it open.
uint8_t WindowManager::AskSaveBeforeClosing() {
  auto save = [this] {
    if (okControl_ != 0) {
      window_.PostEvent(win::event::Accepted, okControl_);
    } else {
      PostCompletion();
    }
    return kLevelNotify;
  };
  if (!(cancelAction_ & kCancelSaves)) {
    if (RaiseMessage(kMessageChangesLost) != LevelDeclined) return kLevelQuiet;
    window_.SelectControl(firstField_);
    return kLevelNotify;
  }
  if (!(cancelAction_ & kCancelAsks)) return save();
  switch (AnswerOf(ShowMessage(kMessageSaveRecord, kYesNoCancel, win::kButtonCancel))) {
    case Answer::Yes: return save();
    case Answer::No: return kLevelQuiet;
    case Answer::Cancel: break;
  }
  window_.SelectControl(firstField_);
  return kLevelNotify;
}

}  // namespace qor::fw
