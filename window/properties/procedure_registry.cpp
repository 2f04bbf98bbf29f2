// The registry of window procedures a control may be given.
#include "window/properties/procedure_registry.h"

#include <algorithm>
#include <vector>

#include "window/platform/core/properties.h"
#include "window/platform/core/window_attributes.h"

namespace qor::win {
namespace {

// The previous procedure rides on the window itself, so it goes when the window does.
constexpr char kPreviousProcedure[] = "qor_prevproc";

// Registered under the runtime's lock, like every other window-runtime call.
std::vector<ui::WindowProc>& Registered() {
  static std::vector<ui::WindowProc> procedures;
  return procedures;
}

}  // namespace

void RegisterControlProcedure(ui::WindowProc procedure) {
  if (procedure && RegisteredProcedure(ProcedureNumber(procedure)) == nullptr) Registered().push_back(procedure);
}

void UnregisterControlProcedure(ui::WindowProc procedure) { std::erase(Registered(), procedure); }

void ClearControlProcedures() { Registered().clear(); }

int64_t ProcedureNumber(ui::WindowProc procedure) {
  return static_cast<int64_t>(reinterpret_cast<intptr_t>(procedure));
}

ui::WindowProc RegisteredProcedure(int64_t number) {
  for (ui::WindowProc procedure : Registered()) {
    if (ProcedureNumber(procedure) == number) return procedure;
  }
  return nullptr;
}

ui::WindowProc PreviousProcedure(ui::Hwnd hwnd) {
  return reinterpret_cast<ui::WindowProc>(ui::GetProp(hwnd, kPreviousProcedure));
}

bool InstallRegisteredProcedure(ui::Hwnd hwnd, int64_t number) {
  ui::WindowProc procedure = RegisteredProcedure(number);
  if (!procedure || !ui::GetWindowProc(hwnd)) return false;
  ui::WindowProc previous = ui::SetWindowProc(hwnd, procedure);
  // Only the kind's own procedure is kept: keeping a registered one would let it hand
  // messages on to itself.
  if (!ui::FindProp(hwnd, kPreviousProcedure)) ui::SetProp(hwnd, kPreviousProcedure, reinterpret_cast<uintptr_t>(previous));
  return true;
}

}  // namespace qor::win
