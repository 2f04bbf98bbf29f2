#pragma once
// The `state` command's lines: the 32 variables the tester binds to its controls, in
// binding order, then FlashCount; each "NAME<TAB>VALUE" with the value's text escaped.
#include <string>
#include <vector>

#include "app/tester_state.h"

namespace qor::app::drv {

std::vector<std::string> StateLines(const TesterState& state);

}  // namespace qor::app::drv
