#include "runtime/startup/initialisers.h"

#include <algorithm>

namespace qor::rt {

std::vector<InitRoutine> StartOrder(std::span<const InitRecord> records) {
  std::vector<InitRecord> sorted(records.begin(), records.end());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const InitRecord& a, const InitRecord& b) { return a.priority > b.priority; });
  std::vector<InitRoutine> order;
  for (const InitRecord& r : sorted)
    if (r.routine) order.push_back(r.routine);
  return order;
}

void RunStartRoutines(const ModuleDescriptor& descriptor) {
  for (InitRoutine routine : StartOrder(descriptor.initialisers)) routine(kInitStart);
}

}  // namespace qor::rt
