#include "runtime/base/module_list.h"

namespace qor::rt {
namespace {

LoadedModule* head = nullptr;
os::ModuleHandle resourceInstance = nullptr;

}  // namespace

void RegisterModule(ModuleDescriptor& descriptor, os::ModuleHandle instance) {
  if (!instance) instance = os::ExecutableModule();
  if (!resourceInstance) resourceInstance = instance;
  descriptor.previous = head;
  head = new LoadedModule{head, instance, &descriptor, nullptr};
}

bool UnregisterModule(const ModuleDescriptor& descriptor) {
  for (LoadedModule** link = &head; *link; link = &(*link)->next) {
    LoadedModule* node = *link;
    if (node->descriptor != &descriptor) continue;
    *link = node->next;
    delete node;
    return true;
  }
  return false;
}

LoadedModule* LoadedModules() { return head; }

os::ModuleHandle ResourceInstance() {
  return resourceInstance ? resourceInstance : os::ExecutableModule();
}

void SetResourceInstance(os::ModuleHandle instance) { resourceInstance = instance; }

}  // namespace qor::rt
