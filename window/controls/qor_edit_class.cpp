// The QorEdit class over the system "Edit" field.
#include "window/controls/qor_edit_class.h"

#include <optional>

#include "runtime/errors/run_time_error.h"
#include "window/controls/entry_control.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/system_controls/edit_control.h"

namespace qor::win {
namespace {

constexpr int32_t kMissingBaseClass = 503;

struct EditCore {
  ui::WindowProc proc = nullptr;
  int slot = 0;  // the entry's slot, after the field's storage
};

EditCore& Core() {
  static EditCore core;
  return core;
}

EntryControl* EntryOf(ui::Hwnd hwnd) {
  if (!Core().proc) return nullptr;
  return reinterpret_cast<EntryControl*>(ui::GetWindowExtra(hwnd, Core().slot));
}

ui::LResult QorEditProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  EntryControl* entry = message == ui::WM_NCDESTROY ? nullptr : EntryOf(hwnd);
  if (entry) {
    if (std::optional<ui::LResult> answer = entry->Message(message, wParam, lParam)) return *answer;
  }
  return CallEditCore(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterQorEditClass() {
  if (ui::IsClassRegistered(kQorEditClass)) return;
  std::optional<ui::WindowClass> base = ui::GetClassInfo(ui::kEditClass);
  if (!base) rt::RunTimeError(kMissingBaseClass, "WSLDIAL");
  Core().proc = base->proc;
  Core().slot = base->extraBytes;
  ui::WindowClass entry = *base;
  entry.name = kQorEditClass;
  entry.proc = QorEditProc;
  entry.extraBytes = base->extraBytes + static_cast<int>(sizeof(intptr_t));
  ui::RegisterClass(entry);
}

ui::LResult CallEditCore(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (!Core().proc) return ui::DefWindowProc(hwnd, message, wParam, lParam);
  return ui::CallWindowProc(Core().proc, hwnd, message, wParam, lParam);
}

void AttachEntry(ui::Hwnd hwnd, EntryControl* entry) {
  ui::SetWindowExtra(hwnd, Core().slot, reinterpret_cast<intptr_t>(entry));
}

}  // namespace qor::win
