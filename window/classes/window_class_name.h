#pragma once
// Names of the runtime's window classes. Each opened window gets a class of its own,
// "QorWin<module>Class<counter>": the module that supplied its definition, numbered in
// load order (the program is 1), and a process-wide counter that starts at 1 and counts
// every window opened, so no two windows share a class.
#include <cstdint>
#include <string>
#include <string_view>

#include "os/module.h"

namespace qor::win {

inline constexpr std::string_view kRuntimeClassPrefix = "Qor";

std::string WindowClassName(uint32_t moduleNumber, uint32_t counter);
// The module's position in load order, from 1 (the program; also for a null module).
uint32_t ModuleNumber(os::ModuleHandle module);
// The next value of the process-wide counter.
uint32_t NextWindowClassCounter();

}  // namespace qor::win
