#pragma once
// WindowManager: the base of every window procedure. `Run` sets the procedure up, runs
// the accept loop handing each event to a fixed family of overridable handlers, shuts
// down and reports how the procedure ended. The virtual methods are declared in the
// order of the class's method table; a derived procedure overrides the ones it needs and
// may call the base version directly. All window work goes through `WindowPrimitives`.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/levels.h"
#include "framework/window_manager/field_history.h"
#include "framework/window_manager/file_drop.h"
#include "framework/window_manager/list_object.h"
#include "framework/window_manager/message_raiser.h"
#include "framework/window_manager/primary_relation.h"
#include "framework/window_manager/record_file.h"
#include "framework/window_manager/resizer.h"
#include "framework/window_manager/translator.h"
#include "framework/window_manager/toolbar_dispatcher.h"
#include "framework/window_manager/window_primitives.h"

namespace qor::fw {

// Handler results; the same numbers are the error manager's severities.
inline constexpr uint8_t kLevelQuiet = LevelQuiet;    // go on normally
inline constexpr uint8_t kLevelFatal = LevelFatal;    // end the event loop
inline constexpr uint8_t kLevelNotify = LevelNotify;  // handled: skip the runtime's default action

// How a procedure ended.
inline constexpr uint8_t kResponseNone = 0;
inline constexpr uint8_t kResponseCompleted = 1;
inline constexpr uint8_t kResponseCancelled = 2;

// LASTINSERTEDPOSITION: a fixed, blank-padded text.
inline constexpr size_t kLastInsertedPositionSize = 512;

// The request a procedure was called with.
inline constexpr uint8_t kRequestNone = 0;
inline constexpr uint8_t kRequestInsert = 1;
inline constexpr uint8_t kRequestChange = 2;
inline constexpr uint8_t kRequestDelete = 3;

// A registered response button: accepting `control` ends the procedure with `action`.
struct ResponseButton {
  int32_t control = 0;
  uint8_t action = 0;
};

// Another file of a record form, whose record buffer is saved when the form starts and
// put back when it adds another record.
struct FormFile {
  RecordFile* file = nullptr;
  uint16_t snapshot = 0;
};

class WindowManager {
 public:
  explicit WindowManager(WindowPrimitives& primitives) : window_(primitives) {}
  virtual ~WindowManager() = default;
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // Method-table order.
  virtual void RunEventLoop();
  virtual uint8_t Init();
  virtual uint8_t Shutdown();
  virtual void FirstOpen();
  virtual void PrepareNewRecord() {}
  virtual uint8_t PrepareRequest();
  virtual void ResetWindow(uint8_t force);
  virtual void RestoreFieldHistory(int32_t control);
  virtual uint8_t Run();
  virtual uint8_t QueryAction() { return 2; }
  virtual void SetAlertKeys();
  virtual void SetResponse(uint8_t response);
  virtual uint8_t HandleAccepted();
  virtual uint8_t HandleCompleted();
  virtual uint8_t HandleCloseRequest();
  virtual uint8_t HandleEvent();
  virtual uint8_t HandleFieldEvent() { return kLevelQuiet; }
  virtual uint8_t HandleNewSelection();
  virtual uint8_t HandleRejected();
  virtual uint8_t HandleSelected() { return kLevelQuiet; }
  virtual uint8_t HandleWindowEvent();
  virtual void UpdateLists();

  // Stores the toolbar in TOOLBAR and runs its Init.
  void AttachToolbar(ToolbarDispatcher& toolbar);

  // Registration; each needs a successful `Init` first.
  void AddList(ListObject& list);
  void AddFileDrop(FileDrop& drop);
  void AddResponseButton(int32_t control, uint8_t action);
  void SetMessageRaiser(MessageRaiser raiser) { raiseMessage_ = std::move(raiser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }
  // The record form's collaborators (a plain window has none).
  void SetPrimary(PrimaryRelation* primary) { primary_ = primary; }
  void AddFile(RecordFile& file);
  void AddHistoryField(int32_t control, std::span<uint8_t> value);
  void SetTranslator(Translator* translator) { translator_ = translator; }
  void SetResizer(Resizer* resizer) { resize_ = resizer; }

  uint8_t Response() const { return response_; }
  bool Dead() const { return dead_ != 0; }

 protected:
  WindowPrimitives& window_;
  uint8_t RaiseMessage(uint16_t messageId) { return raiseMessage_ ? raiseMessage_(messageId) : 0; }
  uint32_t ShowMessage(uint16_t messageId, uint32_t buttons, uint32_t defaultButton) {
    return showMessage_ ? showMessage_(messageId, buttons, defaultButton) : 0;
  }

  // The fields of the class, in their record's order.
  uint8_t autoRefresh_ = 0;
  uint8_t autoToolbar_ = 0;
  std::optional<std::vector<ListObject*>> browses_;
  std::optional<std::vector<ResponseButton>> buttons_;
  std::optional<std::vector<FileDrop*>> fileDrops_;
  uint8_t cancelAction_ = 0;
  uint8_t changeAction_ = 0;
  uint8_t dead_ = 0;
  uint8_t deleteAction_ = 0;
  std::optional<std::vector<FormFile>> files_;
  int32_t firstField_ = 0;
  uint8_t forcedReset_ = 0;
  uint8_t resetOnGainFocus_ = 0;
  std::optional<std::vector<HistoryField>> history_;
  int32_t historyKey_ = 0;
  uint8_t inited_ = 0;  // bit 0: first-open set-up done; bit 1: first Sized seen
  uint8_t insertAction_ = 0;
  std::string lastInsertedPosition_;  // blank padded to 512 once the loop has run
  int32_t okControl_ = 0;
  uint8_t opened_ = 0;
  uint8_t originalRequest_ = 0;
  PrimaryRelation* primary_ = nullptr;
  uint8_t request_ = 0;
  Resizer* resize_ = nullptr;
  uint8_t response_ = kResponseNone;
  uint16_t saved_ = 0;
  Translator* translator_ = nullptr;
  ToolbarDispatcher* toolbar_ = nullptr;
  int32_t* vcrRequest_ = nullptr;  // the pending navigation request; null: none held

 private:
  // The registered collaborators; empty before Init and after Shutdown.
  std::span<ListObject* const> Lists() const;
  std::span<FileDrop* const> FileDrops() const;
  std::span<const ResponseButton> Buttons() const;
  void PostCompletion();
  // The record form's paths.
  uint8_t RefuseRequestWithoutPrimary();
  uint8_t AskSaveBeforeClosing();
  uint8_t CompleteInsert();
  uint8_t AddAnotherRecord();
  uint8_t CompleteChange();
  uint8_t CompleteDelete();
  void StayInForm();
  void RememberFieldHistory();
  void ReleaseFormSnapshots();
  void UndoInit();
  void ReleaseCollaborators();

  MessageRaiser raiseMessage_;
  MessageShower showMessage_;
  bool scopePushed_ = false;  // the binding scope of the latest Init is still pushed
};

}  // namespace qor::fw
