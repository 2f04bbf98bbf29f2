#include "window/load_window_definition.h"

#include <string>
#include <vector>

#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/definition/records.h"

namespace qor::win {
namespace {

// Window definitions are loaded on the window thread under the runtime's global lock.
struct LoaderState {
  DefinitionBuffer buffer;
  os::ModuleHandle module = nullptr;
};

LoaderState& State() {
  static LoaderState state;
  return state;
}

std::vector<os::ModuleHandle> SearchOrder(os::ModuleHandle remembered) {
  std::vector<os::ModuleHandle> order;
  if (remembered) order.push_back(remembered);
  for (os::ModuleHandle module : os::LoadedModules())
    if (module != remembered) order.push_back(module);
  return order;
}

}  // namespace

uint32_t LoadWindowDefinition(std::string_view qualifiedName, std::string_view windowLabel) {
  LoaderState& state = State();
  const os::ResourceId resourceName(ResourceNameFor(std::string(qualifiedName)));
  for (os::ModuleHandle module : SearchOrder(state.module)) {
    auto resource = os::FindResource(module, layout::kResourceType, resourceName);
    if (!resource) continue;
    std::optional<DefinitionBuffer> buffer = DefinitionBuffer::FromResource(*resource, qualifiedName);
    if (!buffer) continue;  // another program's definition of that name, or a malformed one
    uint32_t window = FindWindowRecord(*buffer, windowLabel);
    if (window == 0) continue;
    state.buffer = std::move(*buffer);
    state.module = module;
    return window;
  }
  return 0;
}

const DefinitionBuffer& CurrentDefinition() {
  return State().buffer;
}

os::ModuleHandle CurrentResourceModule() {
  return State().module;
}

void ResetWindowDefinitions() {
  State() = LoaderState{};
}

}  // namespace qor::win
