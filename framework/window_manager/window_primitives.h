#pragma once
// The window-runtime calls a window manager makes, gathered behind one small interface so
// that tests can stand in for the runtime and log each call. `RuntimeWindowPrimitives`
// forwards to the real window runtime and the expression-binding scopes.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::fw {

// What the body of the accept loop answers for one event.
enum class TurnOutcome { Proceed, SkipDefault, Leave };

class WindowPrimitives {
 public:
  virtual ~WindowPrimitives() = default;

  // The current event and what it concerns.
  virtual uint32_t CurrentEvent() = 0;
  virtual int32_t EventControl() = 0;  // 0 for window events
  virtual int32_t AcceptedControl() = 0;
  virtual int32_t FocusControl() = 0;
  virtual uint32_t EventKeyCode() = 0;
  virtual void SetEventKeyCode(uint32_t keyCode) = 0;

  // Always to the calling thread's active window.
  virtual void PostEvent(uint32_t code, int32_t control) = 0;
  // Control 0 starts the completion pass over all fields.
  virtual void SelectControl(int32_t control) = 0;
  virtual void DisplayControl(int32_t control) = 0;
  virtual void DisplayAll() = 0;
  // Control 0 names the window itself. A property's value is text; ReadProperty gives
  // it as a number (0 when it is not one).
  virtual int32_t ReadProperty(int32_t control, uint32_t property) = 0;
  // Makes `keyCode` raise EVENT:AlertKey while `control` has the focus.
  virtual void SetAlertKey(int32_t control, int32_t keyCode) = 0;
  virtual std::string ReadPropertyText(int32_t control, uint32_t property) = 0;
  virtual void AssignProperty(int32_t control, uint32_t property, std::string_view value) = 0;
  // Takes what a control shows into its variable; control 0: every control.
  virtual void UpdateControl(int32_t control) = 0;
  // The lowest and highest control number of the window; 0 when there is none.
  virtual int32_t FirstField() = 0;
  virtual int32_t LastField() = 0;
  virtual void Beep(uint32_t sound) = 0;
  // Shows the cursor of that name (see the icon and cursor names) until restored.
  virtual void ShowCursor(std::string_view name) = 0;
  virtual void RestoreCursor() = 0;

  // Runs the accept loop, calling `body` once per event.
  virtual void Accept(const std::function<TurnOutcome()>& body) = 0;

  // The expression-binding scope a manager holds while it runs.
  virtual void PushScope(int32_t argument) = 0;
  virtual void PopScope() = 0;
};

// Assigns a number as the property's text.
void AssignNumber(WindowPrimitives& window, int32_t control, uint32_t property, int64_t value);

class RuntimeWindowPrimitives final : public WindowPrimitives {
 public:
  uint32_t CurrentEvent() override;
  int32_t EventControl() override;
  int32_t AcceptedControl() override;
  int32_t FocusControl() override;
  uint32_t EventKeyCode() override;
  void SetEventKeyCode(uint32_t keyCode) override;
  void PostEvent(uint32_t code, int32_t control) override;
  void SelectControl(int32_t control) override;
  void DisplayControl(int32_t control) override;
  void DisplayAll() override;
  int32_t ReadProperty(int32_t control, uint32_t property) override;
  void SetAlertKey(int32_t control, int32_t keyCode) override;
  std::string ReadPropertyText(int32_t control, uint32_t property) override;
  void AssignProperty(int32_t control, uint32_t property, std::string_view value) override;
  void UpdateControl(int32_t control) override;
  int32_t FirstField() override;
  int32_t LastField() override;
  void Beep(uint32_t sound) override;
  void ShowCursor(std::string_view name) override;
  void RestoreCursor() override;
  void Accept(const std::function<TurnOutcome()>& body) override;
  void PushScope(int32_t argument) override;
  void PopScope() override;

 private:
  ui::CursorHandle previousCursor_ = ui::CursorHandle::None;
  bool cursorShown_ = false;
};

}  // namespace qor::fw
