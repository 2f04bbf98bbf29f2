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

#include "framework/window_manager/file_drop.h"
#include "framework/window_manager/list_object.h"
#include "framework/window_manager/message_raiser.h"
#include "framework/window_manager/window_primitives.h"

namespace qor::fw {

// Handler results; the same numbers are the error manager's severities.
inline constexpr uint8_t kLevelQuiet = 0;   // go on normally
inline constexpr uint8_t kLevelFatal = 3;   // end the event loop
inline constexpr uint8_t kLevelNotify = 5;  // handled: skip the runtime's default action

// How a procedure ended.
inline constexpr uint8_t kResponseNone = 0;
inline constexpr uint8_t kResponseCompleted = 1;
inline constexpr uint8_t kResponseCancelled = 2;

// A registered response button: accepting `control` ends the procedure with `action`.
struct ResponseButton {
  int32_t control = 0;
  uint8_t action = 0;
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

  // Registration; each needs a successful `Init` first.
  void AddList(ListObject& list);
  void AddFileDrop(FileDrop& drop);
  void AddResponseButton(int32_t control, uint8_t action);
  void SetMessageRaiser(MessageRaiser raiser) { raiseMessage_ = std::move(raiser); }

  uint8_t Response() const { return response_; }
  bool Dead() const { return dead_ != 0; }

 protected:
  WindowPrimitives& window_;
  uint8_t RaiseMessage(uint16_t messageId) { return raiseMessage_ ? raiseMessage_(messageId) : 0; }

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
  int32_t firstField_ = 0;
  uint8_t forcedReset_ = 0;
  uint8_t resetOnGainFocus_ = 0;
  int32_t historyKey_ = 0;
  uint8_t inited_ = 0;  // bit 0: first-open set-up done; bit 1: first Sized seen
  uint8_t insertAction_ = 0;
  std::string lastInsertedPosition_;  // blank padded to 512 once the loop has run
  int32_t okControl_ = 0;
  uint8_t opened_ = 0;
  uint8_t originalRequest_ = 0;
  uint8_t request_ = 0;
  uint8_t response_ = kResponseNone;
  uint16_t saved_ = 0;

 private:
  // The registered collaborators; empty before Init and after Shutdown.
  std::span<ListObject* const> Lists() const;
  std::span<FileDrop* const> FileDrops() const;
  std::span<const ResponseButton> Buttons() const;
  void PostCompletion();
  void UndoInit();
  void ReleaseCollaborators();

  MessageRaiser raiseMessage_;
  bool scopePushed_ = false;  // the binding scope of the latest Init is still pushed
};

}  // namespace qor::fw
