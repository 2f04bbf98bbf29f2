#include "tests/framework/window_manager/fake_window_primitives.h"

#include <cstdio>

#include "window/events/event_codes.h"

namespace qor::fw::testing {

std::string Describe(const ScriptedEvent& event) {
  std::string text = win::EventName(event.code);
  if (event.control != 0) text += " control " + std::to_string(event.control);
  return text;
}

int32_t FakeWindowPrimitives::AcceptedControl() {
  return current_.code == win::event::Accepted ? current_.control : 0;
}

void FakeWindowPrimitives::SetEventKeyCode(uint32_t keyCode) {
  current_.keyCode = keyCode;
  log.push_back("set key code " + std::to_string(keyCode));
}

void FakeWindowPrimitives::PostEvent(uint32_t code, int32_t control) {
  script.push_back({code, control, 0});
  log.push_back("post " + Describe({code, control, 0}));
}

void FakeWindowPrimitives::SelectControl(int32_t control) {
  log.push_back("select " + std::to_string(control));
}

void FakeWindowPrimitives::DisplayControl(int32_t control) {
  log.push_back("display " + std::to_string(control));
}

void FakeWindowPrimitives::DisplayAll() { log.push_back("display all"); }

namespace {
std::string PropertyLine(const char* what, uint32_t property, int32_t control) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %Xh of %d", what, property, control);
  return text;
}
}  // namespace

int32_t FakeWindowPrimitives::ReadProperty(int32_t control, uint32_t property) {
  log.push_back(PropertyLine("read property", property, control));
  auto found = properties.find({control, property});
  if (found != properties.end()) return std::stoi(found->second);
  return control != 0 ? typeOfEveryControl : 0;
}

void FakeWindowPrimitives::SetAlertKey(int32_t control, int32_t keyCode) {
  log.push_back("alert key " + std::to_string(keyCode) + " on " + std::to_string(control));
}

std::string FakeWindowPrimitives::ReadPropertyText(int32_t control, uint32_t property) {
  log.push_back(PropertyLine("read property", property, control));
  auto found = properties.find({control, property});
  return found != properties.end() ? found->second : std::string();
}

void FakeWindowPrimitives::AssignProperty(int32_t control, uint32_t property, std::string_view value) {
  log.push_back(PropertyLine("set property", property, control) + " = " + std::string(value));
  properties[{control, property}] = std::string(value);
}

void FakeWindowPrimitives::UpdateControl(int32_t control) { log.push_back("update " + std::to_string(control)); }

void FakeWindowPrimitives::Beep(uint32_t sound) { log.push_back("beep " + std::to_string(sound)); }

void FakeWindowPrimitives::ShowCursor(std::string_view name) {
  log.push_back(name == std::string_view("\xFF\x01\x03\x7F", 4) ? "wait cursor" : "cursor");
}

void FakeWindowPrimitives::RestoreCursor() { log.push_back("cursor restored"); }

void FakeWindowPrimitives::Accept(const std::function<TurnOutcome()>& body) {
  log.push_back("accept loop");
  while (!script.empty()) {
    current_ = script.front();
    script.pop_front();
    log.push_back("event " + Describe(current_));
    const TurnOutcome outcome = body();
    if (outcome == TurnOutcome::Leave) {
      log.push_back("leave loop");
      return;
    }
    if (outcome == TurnOutcome::SkipDefault) {
      log.push_back("no default action");
    } else if (current_.code == win::event::CloseWindow) {
      log.push_back("window closed");
      return;
    }
  }
  log.push_back("script ended");
}

void FakeWindowPrimitives::PushScope(int32_t argument) {
  ++scopeDepth;
  log.push_back("push scope " + std::to_string(argument));
}

void FakeWindowPrimitives::PopScope() {
  --scopeDepth;
  log.push_back("pop scope");
}

}  // namespace qor::fw::testing
