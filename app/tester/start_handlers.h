#pragma once
// The application's seven start/stop records, all of priority 5, in table order. At
// start they set up the language once and clear the globals, then register with the
// window runtime the control kinds the program's windows use, and prepare the item
// picker window; at stop (run first, in reverse table order) they register the kinds
// again, release the item picker and dispose the file managers' and the file layer's
// global lists.
#include <cstdint>
#include <optional>
#include <span>

#include "runtime/base/module_list.h"

namespace qor::app {

inline constexpr int32_t kApplicationPriority = 5;

std::span<const rt::InitRecord> ApplicationHandlers();

// A seed for the first handler to use instead of the clock (empty: the clock).
void SetStartSeed(std::optional<uint32_t> seed);

}  // namespace qor::app
