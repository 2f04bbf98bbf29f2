#include "tests/window/controls/entry_fixture.h"

#include "window/accept/accept.h"
#include "window/controls/control_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

constexpr uint32_t kScriptDone = 0xFFFE;

}  // namespace

ControlRecord Field(int32_t number, const std::string& picture, uint8_t typeCode, uint32_t size, uint32_t flags) {
  ControlRecord record = Entry(number, typeCode, size);
  record.picture = picture;
  record.flags = flags;
  record.at = {4 + 44 * (number % 8), 4 + 14 * (number / 8), 40, 10};
  return record;
}

ControlRecord SpinBox(int32_t number, const std::string& picture, uint8_t typeCode, uint32_t size, double low,
                      double high, double step) {
  ControlRecord record = Field(number, picture, typeCode, size);
  record.type = layout::kTypeSpin;
  record.low = low;
  record.high = high;
  record.step = step;
  return record;
}

void EntryTest::SetUp() {
  WindowRuntimeTest::SetUp();
  RegisterControlKind(layout::kTypeEntry, MakeEntryControl);
  RegisterControlKind(layout::kTypeSpin, MakeSpinControl);
}

Window* EntryTest::Open(const std::vector<ControlRecord>& records, std::vector<UseVariable> uses) {
  WindowRecord record = SmallWindow("E" + std::to_string(prepared.size()) + "$WINDOW", records);
  record.at = {10, 10, 360, 80};
  window = PrepareSmall(record, std::move(uses));
  OpenWindow(window);
  return window;
}

EntryControl* EntryTest::EntryOf(int32_t number) const {
  for (const auto& control : window->controls) {
    if (control->Number() == number) return dynamic_cast<EntryControl*>(control.get());
  }
  return nullptr;
}

SpinControl* EntryTest::SpinOf(int32_t number) const { return dynamic_cast<SpinControl*>(EntryOf(number)); }
ui::Hwnd EntryTest::FieldOf(int32_t number) const { return EntryOf(number)->Handle(); }

void EntryTest::Run(const Script& script) {
  uint64_t last = 0;
  for (const auto& entry : script) {
    const std::function<void()>& step = entry.second;
    last = std::max(last, entry.first);
    host.Schedule(entry.first, [step] {
      step();
      ui::PostMessage(ui::Hwnd{}, ui::WM_NULL, 0, 0);
    });
  }
  host.Schedule(last + 50, [] {
    PostEvent(kScriptDone);
    ui::PostMessage(ui::Hwnd{}, ui::WM_NULL, 0, 0);
  });
  Loop([this] {
    if (CurrentEvent() == kScriptDone) {
      events.pop_back();
      return kTurnLeave;
    }
    if (CurrentEvent() == event::Rejected) events.back() += " at " + std::to_string(RejectPosition());
    return kTurnDone;
  });
}

Seq EntryTest::After() const {
  Seq after;
  for (const std::string& line : events) {
    if (line.find("OpenWindow") != std::string::npos || line.find("GainFocus") != std::string::npos) continue;
    after.push_back(line);
  }
  return after;
}

}  // namespace qor::win::testing
