#include "app/tester/tester_window.h"

#include "app/block_slices.h"
#include "app/tester/application_globals.h"
#include "app/tester/tester_operations.h"
#include "app/tester/tester_timing.h"
#include "window/events/event_codes.h"

namespace qor::app {
namespace {

constexpr uint32_t kPropertyParent = 0x7A07;
constexpr uint32_t kPropertyText = 0x7C00;

}  // namespace

uint8_t TesterWindow::Init() {
  ApplicationGlobals& globals = Globals();
  request_ = globals.request;
  if (const uint8_t base = WindowManager::Init(); base != fw::kLevelQuiet) return base;
  firstField_ = kFirstField;
  vcrRequest_ = &globals.navigationRequest;
  SetMessageRaiser([&globals](uint16_t id) { return globals.errors.Raise(id); });
  AttachToolbar(frame_->toolbar);
  globals.request = 0;
  globals.response = 0;
  if (frame_->openWindow) frame_->openWindow();
  opened_ = 1;
  SetAlertKeys();
  return fw::kLevelQuiet;
}

uint8_t TesterWindow::HandleWindowEvent() {
  const uint8_t base = WindowManager::HandleWindowEvent();
  switch (window_.CurrentEvent()) {
    case win::event::OpenWindow: SetOpenValues(); break;
    case win::event::Timer: FlashStep(State(), window_); break;
    default: break;
  }
  return base;
}

void TesterWindow::SetOpenValues() {
  TesterState& state = State();
  SetWindowOpenValues(state);
  RefreshViews(state);
  LimitSlices(0);
  ApplyButtonTiming();
  window_.DisplayAll();
}

uint8_t TesterWindow::HandleEvent() {
  const uint8_t base = WindowManager::HandleEvent();
  const uint32_t event = window_.CurrentEvent();
  if (event == win::event::Accepted || event == win::event::NewSelection) {
    const int32_t control = window_.EventControl();
    if (window_.ReadProperty(control, kPropertyParent) == kNumberGroup) {
      SetV2FromCaption(State(), window_.ReadPropertyText(control, kPropertyText));
    }
    RefreshViews(State());
  }
  return base;
}

uint8_t TesterWindow::HandleNewSelection() {
  const uint8_t base = WindowManager::HandleNewSelection();
  const int32_t control = window_.EventControl();
  if (control == kButtonDelayField) ApplyButtonTiming();
  if (control == kG1SField || control == kG2SField || control == kGLField) LimitSlices(control);
  return base;
}

uint8_t TesterWindow::HandleAccepted() {
  const uint8_t base = WindowManager::HandleAccepted();
  const int32_t control = window_.AcceptedControl();
  if (HasOperation(control)) {
    UpdateLists();
    if (PerformOperation(State(), control).checkFailed) {
      StartFlash(State());
      window_.PostEvent(win::event::Timer, 0);
    }
  }
  if (control == kButtonRepeatField) ApplyButtonTiming();
  return base;
}

void TesterWindow::ApplyButtonTiming() {
  int32_t unused = 0;
  app::ApplyButtonTiming(State(), frame_->counter ? *frame_->counter : unused, window_);
}

void TesterWindow::LimitSlices(int32_t control) {
  window_.UpdateControl(control);
  LimitSliceFields(State());
}

}  // namespace qor::app
