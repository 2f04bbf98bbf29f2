// WindowManager's event handlers: the per-event dispatcher and the base reactions to
// window events, accepted and rejected controls and new selections.
#include "framework/window_manager/window_manager.h"
#include "window/events/event_codes.h"
#include "window/platform/core/input.h"

namespace qor::fw {

namespace {
// Control properties the handlers read.
constexpr uint32_t kPropertyType = 0x7C01;
constexpr uint32_t kPropertyCompletionPass = 0x7C9A;  // read on the window
constexpr int32_t kTypeThatResetsOnSelection = 37;

// The control number of the history button: accepting it puts a field's value back.
constexpr int32_t kHistoryButton = 2011;

constexpr uint8_t kInitedFirstOpen = 0x01;
constexpr uint8_t kInitedFirstSized = 0x02;
}  // namespace

uint8_t WindowManager::HandleEvent() {
  const int32_t control = window_.EventControl();
  uint8_t result = kLevelQuiet;
  if (control == 0) {
    result = HandleWindowEvent();
    if (result != kLevelQuiet) return result;
  }
  switch (window_.CurrentEvent()) {
    case win::event::Accepted: result = HandleAccepted(); break;
    case win::event::Rejected: result = HandleRejected(); break;
    case win::event::Selected: result = HandleSelected(); break;
    case win::event::NewSelection: result = HandleNewSelection(); break;
    case win::event::AlertKey:
      if (historyKey_ != 0 && window_.EventKeyCode() == static_cast<uint32_t>(historyKey_)) {
        RestoreFieldHistory(window_.FocusControl());
      }
      break;
    default: break;
  }
  if (result != kLevelQuiet) return result;
  if (control != 0) result = HandleFieldEvent();
  for (ListObject* list : Lists()) list->TakeEvent();
  for (FileDrop* drop : FileDrops()) drop->TakeEvent();
  if (autoRefresh_) {
    for (ListObject* list : Lists()) {
      if (list->NeedsRefresh()) ResetWindow(0);
    }
  }
  return result;
}

uint8_t WindowManager::HandleWindowEvent() {
  switch (window_.CurrentEvent()) {
    case win::event::OpenWindow:
      if (!(inited_ & kInitedFirstOpen)) FirstOpen();
      if (firstField_ != 0) window_.SelectControl(firstField_);
      break;
    case win::event::LoseFocus:
      if (resetOnGainFocus_) forcedReset_ = 1;
      break;
    case win::event::GainFocus:
      if (inited_ & kInitedFirstOpen) {
        ResetWindow(0);
      } else {
        FirstOpen();
      }
      break;
    case win::event::Sized:
      if (inited_ & kInitedFirstSized) {
        ResetWindow(0);
      } else {
        inited_ |= kInitedFirstSized;
      }
      break;
    case win::event::Completed: return HandleCompleted();
    case win::event::CloseWindow:
    case win::event::CloseDown: return HandleCloseRequest();
    default: break;
  }
  return kLevelQuiet;
}

void WindowManager::FirstOpen() {
  if (translator_) translator_->TranslateWindow(0);
  ResetWindow(0);
  inited_ |= kInitedFirstOpen;
}

void WindowManager::ResetWindow(uint8_t force) {
  if (window_.ReadProperty(0, kPropertyCompletionPass) != 0) return;
  force = static_cast<uint8_t>(force + forcedReset_);
  forcedReset_ = 0;
  for (ListObject* list : Lists()) list->Reset(force);
  for (ListObject* list : Lists()) list->Redraw();
  for (FileDrop* drop : FileDrops()) drop->Reset(force);
  window_.DisplayAll();
}

uint8_t WindowManager::HandleAccepted() {
  const int32_t accepted = window_.AcceptedControl();
  if (toolbar_) {
    toolbar_->ForwardAccepted(vcrRequest_, *this);
    if (accepted == kHistoryButton) RestoreFieldHistory(window_.FocusControl());
  }
  for (const ResponseButton& button : Buttons()) {
    if (button.control == accepted) {
      SetResponse(button.action);
      return kLevelNotify;
    }
  }
  if (okControl_ != 0 && accepted == okControl_) PostCompletion();
  return kLevelQuiet;
}

// An insert or change form has every field validated first; the runtime posts Completed
// when they all pass. Any other form completes at once.
void WindowManager::PostCompletion() {
  if (originalRequest_ == 1 || originalRequest_ == 2) {
    window_.SelectControl(0);
  } else {
    window_.PostEvent(win::event::Completed, 0);
  }
}

uint8_t WindowManager::HandleRejected() {
  const int32_t control = window_.EventControl();
  window_.Beep(ui::MB_OK);
  window_.DisplayControl(control);
  window_.SelectControl(control);
  return kLevelQuiet;
}

uint8_t WindowManager::HandleNewSelection() {
  if (window_.ReadProperty(window_.EventControl(), kPropertyType) == kTypeThatResetsOnSelection) {
    ResetWindow(0);
    if (autoToolbar_ && toolbar_) toolbar_->ChooseToolbarTarget(0);
  }
  return kLevelQuiet;
}

void WindowManager::SetResponse(uint8_t response) {
  response_ = response;
  window_.PostEvent(win::event::CloseWindow, 0);
  // A window without a navigation request has nothing to clear.
  if (response == kResponseCancelled && toolbar_ && vcrRequest_) *vcrRequest_ = 0;
}

void WindowManager::UpdateLists() {
  for (ListObject* list : Lists()) list->UpdateFromScreen();
}

}  // namespace qor::fw
