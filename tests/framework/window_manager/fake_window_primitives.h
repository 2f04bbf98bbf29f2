#pragma once
// A stand-in for the window runtime: events come from a script (and from the manager's
// own posts, queued behind it), and every call the manager makes is one line of a log.
// The loop ends after a turn that leaves it, after a CloseWindow whose default action is
// not skipped (the window closes), or when the script runs out.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/window_manager/window_primitives.h"

namespace qor::fw::testing {

struct ScriptedEvent {
  uint32_t code = 0;
  int32_t control = 0;
  uint32_t keyCode = 0;
};

class FakeWindowPrimitives : public WindowPrimitives {
 public:
  std::vector<std::string> log;
  std::deque<ScriptedEvent> script;
  int32_t focus = 0;
  int32_t typeOfEveryControl = 0;
  int32_t scopeDepth = 0;
  int32_t firstField = 0;
  int32_t lastField = 0;
  // Property values by (control, property); assignments land here too.
  std::map<std::pair<int32_t, uint32_t>, std::string> properties;

  uint32_t CurrentEvent() override { return current_.code; }
  int32_t EventControl() override { return current_.control; }
  int32_t AcceptedControl() override;
  int32_t FocusControl() override { return focus; }
  uint32_t EventKeyCode() override { return current_.keyCode; }
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
  int32_t FirstField() override { return firstField; }
  int32_t LastField() override { return lastField; }
  void Beep(uint32_t sound) override;
  void ShowCursor(std::string_view name) override;
  void RestoreCursor() override;
  void Accept(const std::function<TurnOutcome()>& body) override;
  void PushScope(int32_t argument) override;
  void PopScope() override;

  void SetCurrent(const ScriptedEvent& event) { current_ = event; }

 private:
  ScriptedEvent current_;
};

// "EVENT:Accepted control 5" and the like.
std::string Describe(const ScriptedEvent& event);

}  // namespace qor::fw::testing
