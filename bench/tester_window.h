#pragma once
// The tester's stored window prepared for benchmarks: its definition registered, a plain
// child window standing in for each of its 121 controls (unless the caller registers
// real kinds over them) and its 32 use variables bound to storage of their types and
// sizes. Released, and the kinds forgotten, with the object.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "window/controls/control_kinds.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/load_window_definition.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::bench {

inline constexpr char kStandInClass[] = "QorBenchStandIn";

inline std::unique_ptr<Control> MakeStandIn(Window& owner, const ControlRecord& record) {
  auto control = std::make_unique<Control>(owner, record);
  ui::Rect at = ui::DialogRectToPixels({record.at.x, record.at.y, record.at.x + record.at.width,
                                        record.at.y + record.at.height},
                                       control->OwnerUnits());
  control->SetHandle(ui::CreateWindow(kStandInClass, "", ui::WS_CHILD | ui::WS_VISIBLE, at, control->OwnerHandle(),
                                      0x4000 + record.number));
  return control;
}

class TesterWindow {
 public:
  // `registerKinds` runs after the stand-ins are registered, to put real kinds over them.
  explicit TesterWindow(const std::function<void()>& registerKinds = nullptr) {
    static const bool once = [] {
      res::RegisterWindowDefinitions(os::ExecutableModule());
      ui::RegisterClass(ui::WindowClass{kStandInClass, ui::DefWindowProc});
      return true;
    }();
    (void)once;
    for (int type = 0; type < 256; ++type) {
      if (LayoutOf(static_cast<uint8_t>(type)) && type != layout::kTypeWindow) {
        RegisterControlKind(static_cast<uint8_t>(type), MakeStandIn);
      }
    }
    if (registerKinds) registerKinds();
    uint32_t at = LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW");
    WindowRecord record = DecodeWindow(CurrentDefinition(), at);
    std::vector<UseVariable> uses;
    ForEachControlRecord(record, [&](const ControlRecord& control) {
      if (!control.use) return;
      storage_.emplace_back(control.use->byteSize);
      uses.push_back({storage_.back().data(), control.use->typeCode, control.use->byteSize});
    });
    window_ = PrepareWindow("kzt_asm$KZT_A001", "P1$WINDOW", uses);
  }
  ~TesterWindow() {
    ReleaseWindow(window_);
    ClearControlKinds();
  }
  TesterWindow(const TesterWindow&) = delete;
  TesterWindow& operator=(const TesterWindow&) = delete;
  Window* get() const { return window_; }
  // The variables' storage, in binding order.
  std::deque<std::vector<uint8_t>>& Storage() { return storage_; }

 private:
  std::deque<std::vector<uint8_t>> storage_;
  Window* window_ = nullptr;
};

}  // namespace qor::win::bench
