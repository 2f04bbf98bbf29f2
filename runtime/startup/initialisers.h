#pragma once
// Running a module's start/stop routines in priority order.
#include <vector>

#include "runtime/base/module_list.h"

namespace qor::rt {

// The order routines start in: highest priority first, equal priorities in table
// order. They stop in exactly the reverse order.
std::vector<InitRoutine> StartOrder(std::span<const InitRecord> records);

void RunStartRoutines(const ModuleDescriptor& descriptor);  // each gets kInitStart

}  // namespace qor::rt
