#include "tests/window/support/runtime_fixture.h"

#include <deque>

#include "window/accept/accept.h"
#include "window/controls/control_kinds.h"
#include "window/definition/encode.h"
#include "window/definition/layout.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/load_window_definition.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/controls/control.h"
#include "window/platform/core/focus.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

constexpr intptr_t kControlIdBase = 0x4000;

class StandIn : public Control {
 public:
  using Control::Control;
  void Display() override {
    StandInLog().push_back("display " + std::to_string(Number()));
    DisplayedAddresses().push_back(UseAddress());
  }
  void StoreEdit() override { StandInLog().push_back("store " + std::to_string(Number())); }
  bool ContentsValid() override { return !InvalidControls().contains(Number()); }
  void SetSelection(int32_t first, int32_t last) override {
    StandInLog().push_back("select " + std::to_string(Number()) + " " + std::to_string(first) + "-" +
                           std::to_string(last));
  }
};

ui::LResult StandInProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == ui::WM_SETFOCUS) {
    auto* control = reinterpret_cast<Control*>(ui::GetWindowExtra(hwnd, 0));
    if (control) ReportFocusGained(*control);
  }
  return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

std::unique_ptr<Control> MakeStandIn(Window& owner, const ControlRecord& record) {
  auto control = std::make_unique<StandIn>(owner, record);
  ui::Rect at = ui::DialogRectToPixels({record.at.x, record.at.y, record.at.x + record.at.width,
                                        record.at.y + record.at.height},
                                       control->OwnerUnits());
  ui::Hwnd hwnd = ui::CreateWindow(kStandInClass, record.text, ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP, at,
                                   control->OwnerHandle(), kControlIdBase + record.number);
  if (!hwnd) return nullptr;
  ui::SetWindowExtra(hwnd, 0, reinterpret_cast<intptr_t>(control.get()));
  control->SetHandle(hwnd);
  return control;
}

os::ModuleHandle TestModule() {
  static os::ModuleHandle module = os::CreateModule("window-runtime-tests");
  return module;
}

}  // namespace

std::vector<std::string>& StandInLog() {
  static std::vector<std::string> log;
  return log;
}

std::vector<const void*>& DisplayedAddresses() {
  static std::vector<const void*> addresses;
  return addresses;
}

std::set<int32_t>& InvalidControls() {
  static std::set<int32_t> invalid;
  return invalid;
}

void RegisterStandIns() {
  if (!ui::GetClassInfo(kStandInClass)) {
    ui::WindowClass description;
    description.name = kStandInClass;
    description.proc = StandInProc;
    description.extraBytes = sizeof(intptr_t);
    ui::RegisterClass(description);
  }
  for (int type = 0; type < 256; ++type) {
    if (LayoutOf(static_cast<uint8_t>(type)) && type != layout::kTypeWindow) {
      RegisterControlKind(static_cast<uint8_t>(type), MakeStandIn);
    }
  }
}

ControlRecord Button(int32_t number) {
  ControlRecord control;
  control.type = layout::kTypeButton;
  control.number = number;
  control.at = {4 + 40 * number, 4, 36, 12};
  control.text = "B" + std::to_string(number);
  return control;
}

ControlRecord Entry(int32_t number, uint8_t typeCode, uint32_t size) {
  ControlRecord control;
  control.type = layout::kTypeEntry;
  control.number = number;
  control.at = {4 + 40 * number, 20, 36, 10};
  control.picture = "n-_11";
  control.use = UseDescriptor{typeCode, size};
  return control;
}

WindowRecord SmallWindow(const std::string& label, std::vector<ControlRecord> controls) {
  WindowRecord window;
  window.label = label;
  window.title = "Small";
  window.at = {10, 10, 200, 60};
  window.controls = std::move(controls);
  return window;
}

void Define(const std::string& qualifiedName, const std::vector<WindowRecord>& windows) {
  static std::deque<std::vector<uint8_t>> kept;  // resources live as long as the process
  kept.push_back(EncodeDefinition({qualifiedName, windows}));
  os::AddResource(TestModule(), layout::kResourceType, std::string_view(ResourceNameFor(qualifiedName)),
                  kept.back());
}

void WindowRuntimeTest::SetUp() {
  ClearControlKinds();
  RegisterStandIns();
  StandInLog().clear();
  DisplayedAddresses().clear();
  InvalidControls().clear();
  ResetWindowDefinitions();
  rt::InstallTraceSink(&trace);
  start = host.Now();
}

void WindowRuntimeTest::TearDown() {
  for (auto it = prepared.rbegin(); it != prepared.rend(); ++it) ReleaseWindow(*it);
  for (ui::Hwnd top : ui::GetChildren(ui::Hwnd{})) ui::DestroyWindow(top);
  host.Pump();
  rt::InstallTraceSink(nullptr);
  ClearControlKinds();
}

Window* WindowRuntimeTest::Prepare(const std::string& qualifiedName, const std::string& label,
                                   std::vector<UseVariable> uses) {
  Window* window = PrepareWindow(qualifiedName, label, uses);
  prepared.push_back(window);
  return window;
}

Window* WindowRuntimeTest::PrepareSmall(const WindowRecord& record, std::vector<UseVariable> uses) {
  std::string name = "test$" + record.label;
  Define(name, {record});
  if (uses.empty()) uses = VariablesFor(record);
  return Prepare(name, record.label, std::move(uses));
}

std::vector<UseVariable> WindowRuntimeTest::VariablesFor(const WindowRecord& record) {
  std::vector<UseVariable> uses;
  ForEachControlRecord(record, [&](const ControlRecord& control) {
    if (!control.use) return;
    storage.emplace_back(control.use->byteSize);
    uses.push_back({storage.back().data(), control.use->typeCode, control.use->byteSize});
  });
  return uses;
}

void WindowRuntimeTest::SetFocusTo(Window* window, int32_t number) {
  ui::SetFocus(ui::GetDlgItem(WindowHandle(window), kControlIdBase + number));
}

std::string WindowRuntimeTest::Line() {
  return std::to_string(Elapsed()) + " " + EventName(CurrentEvent()) + " " + std::to_string(EventControl());
}

// A loop that sees nothing but periodic timers would wait for ever on the virtual
// clock; after this much virtual time the loop is told to leave instead.
constexpr uint64_t kLoopBudget = 600'000;
constexpr uint32_t kBudgetEvent = 0xFFFF;

void WindowRuntimeTest::Loop(const std::function<int()>& react) {
  int generation = ++loopGeneration;
  host.Schedule(kLoopBudget, [this, generation] {
    if (generation == loopGeneration) PostEvent(kBudgetEvent);
  });
  Accept([&] {
    if (CurrentEvent() == kBudgetEvent) {
      events.push_back("budget spent");
      return kTurnLeave;
    }
    events.push_back(Line());
    return react();
  });
  ++loopGeneration;
}

void WindowRuntimeTest::LoopFor(int count) {
  int seen = 0;
  Loop([&] { return count && ++seen >= count ? kTurnLeave : kTurnDone; });
}

}  // namespace qor::win::testing
