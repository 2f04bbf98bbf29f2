// WindowManager's life: Run, Init, the event loop, Shutdown and the registrations.
#include "framework/window_manager/window_manager.h"

namespace qor::fw {

namespace {
// Key codes a procedure must not inherit from the event that started it.
constexpr uint32_t kStaleKeyCodes[] = {2, 130};

TurnOutcome OutcomeOf(uint8_t level) {
  if (level == kLevelFatal) return TurnOutcome::Leave;
  if (level == kLevelNotify) return TurnOutcome::SkipDefault;
  return TurnOutcome::Proceed;
}
}  // namespace

uint8_t WindowManager::Run() {
  if (Init() == kLevelQuiet) RunEventLoop();
  Shutdown();
  return response_ != kResponseNone ? response_ : kResponseCancelled;
}

uint8_t WindowManager::Init() {
  originalRequest_ = request_;
  browses_.emplace();
  buttons_.emplace();
  fileDrops_.emplace();
  window_.PushScope(0);
  scopePushed_ = true;
  const uint32_t keyCode = window_.EventKeyCode();
  for (uint32_t stale : kStaleKeyCodes) {
    if (keyCode == stale) window_.SetEventKeyCode(0);
  }
  insertAction_ = 2;
  deleteAction_ = 2;
  changeAction_ = 1;
  cancelAction_ = 3;
  autoToolbar_ = 1;
  autoRefresh_ = 1;
  return kLevelQuiet;
}

void WindowManager::RunEventLoop() {
  if (dead_) return;
  lastInsertedPosition_.assign(kLastInsertedPositionSize, ' ');
  window_.Accept([this] { return OutcomeOf(HandleEvent()); });
}

// A manager run a second time is already dead: its Shutdown refuses with 5, but the
// second Init's scope and queues are undone first, so that no binding outlives the run.
uint8_t WindowManager::Shutdown() {
  if (dead_ || !browses_) {
    UndoInit();
    return kLevelNotify;
  }
  ReleaseCollaborators();
  dead_ = 1;
  UndoInit();
  return kLevelQuiet;
}

void WindowManager::UndoInit() {
  browses_.reset();
  fileDrops_.reset();
  buttons_.reset();
  if (!scopePushed_) return;
  scopePushed_ = false;
  window_.PopScope();
}

void WindowManager::ReleaseCollaborators() {
  for (ListObject* list : Lists()) list->Release();
  for (FileDrop* drop : FileDrops()) drop->Release();
  history_.reset();
  ReleaseFormSnapshots();
  if (toolbar_) toolbar_->Kill();
  if (resize_) resize_->Remove();
}

// Snapshots the form took are released without copying anything back.
void WindowManager::ReleaseFormSnapshots() {
  if (files_) {
    for (FormFile& other : *files_) other.file->RestoreSnapshot(other.snapshot, false);
    files_.reset();
  }
  if (primary_) primary_->File().RestoreSnapshot(saved_, false);
}

std::span<ListObject* const> WindowManager::Lists() const {
  if (!browses_) return {};
  return *browses_;
}

std::span<FileDrop* const> WindowManager::FileDrops() const {
  if (!fileDrops_) return {};
  return *fileDrops_;
}

std::span<const ResponseButton> WindowManager::Buttons() const {
  if (!buttons_) return {};
  return *buttons_;
}

void WindowManager::AttachToolbar(ToolbarDispatcher& toolbar) {
  toolbar_ = &toolbar;
  toolbar.Init();
}

void WindowManager::AddList(ListObject& list) {
  if (browses_) browses_->push_back(&list);
}

void WindowManager::AddFileDrop(FileDrop& drop) {
  if (fileDrops_) fileDrops_->push_back(&drop);
}

void WindowManager::AddResponseButton(int32_t control, uint8_t action) {
  if (buttons_) buttons_->push_back({control, action});
}

void WindowManager::AddFile(RecordFile& file) {
  if (!files_) files_.emplace();
  files_->push_back({&file, 0});
}

void WindowManager::AddHistoryField(int32_t control, std::span<uint8_t> value) {
  if (!history_) history_.emplace();
  history_->push_back({value, std::vector<uint8_t>(value.begin(), value.end()), control});
}

}  // namespace qor::fw
