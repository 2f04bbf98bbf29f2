#include "app/driver/control_sets.h"

#include <optional>
#include <string>

#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "window/definition/decode.h"
#include "window/definition/definition_buffer.h"
#include "window/definition/records.h"

namespace qor::app::drv {
namespace {

constexpr const char* kQualifiedName = "kzt_asm$KZT_A001";
constexpr const char* kWindowLabel = "P1$WINDOW";

void Collect(const std::vector<win::ControlRecord>& controls, ControlSets& sets) {
  for (const win::ControlRecord& control : controls) {
    std::string kind = win::KindName(control.type);
    if (kind == "button") sets.buttons.insert(control.number);
    if (kind == "entry" || kind == "spin") sets.entries.insert(control.number);
    if (kind == "spin") sets.spins.insert(control.number);
    if (control.number > sets.lastControl) sets.lastControl = control.number;
    Collect(control.children, sets);
  }
}

ControlSets Load() {
  ControlSets sets;
  // A module of its own, so that looking at the definition changes nothing the window
  // runtime will search later.
  static os::ModuleHandle module = [] {
    os::ModuleHandle made = os::CreateModule("script-checker");
    res::RegisterWindowDefinitions(made);
    return made;
  }();
  std::string resourceName = win::ResourceNameFor(kQualifiedName);
  auto resource = os::FindResource(module, "DABDUMP", std::string_view(resourceName));
  if (!resource) return sets;
  std::optional<win::DefinitionBuffer> buffer = win::DefinitionBuffer::FromResource(*resource, kQualifiedName);
  if (!buffer) return sets;
  uint32_t at = win::FindWindowRecord(*buffer, kWindowLabel);
  if (at == 0) return sets;
  Collect(win::DecodeWindow(*buffer, at).controls, sets);
  return sets;
}

}  // namespace

const ControlSets& TesterControlSets() {
  static const ControlSets sets = Load();
  return sets;
}

}  // namespace qor::app::drv
