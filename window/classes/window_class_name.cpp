#include "window/classes/window_class_name.h"

#include <atomic>
#include <vector>

namespace qor::win {

std::string WindowClassName(uint32_t moduleNumber, uint32_t counter) {
  return std::string(kRuntimeClassPrefix) + "Win" + std::to_string(moduleNumber) + "Class" +
         std::to_string(counter);
}

uint32_t ModuleNumber(os::ModuleHandle module) {
  std::vector<os::ModuleHandle> modules = os::LoadedModules();
  for (size_t i = 0; i < modules.size(); ++i) {
    if (modules[i] == module) return static_cast<uint32_t>(i + 1);
  }
  return 1;
}

uint32_t NextWindowClassCounter() {
  static std::atomic<uint32_t> counter{0};
  return ++counter;
}

}  // namespace qor::win
