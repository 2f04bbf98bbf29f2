#pragma once
// How a window manager raises a numbered message and learns the answer. The error
// manager is attached through these functions: `MessageRaiser` raises a message with the
// buttons its severity gives and answers the level; `MessageShower` shows it with the
// buttons given and answers the one pressed (its bit). Without them every message
// answers 0.
#include <cstdint>
#include <functional>

namespace qor::fw {

using MessageRaiser = std::function<uint8_t(uint16_t messageId)>;
using MessageShower = std::function<uint32_t(uint16_t messageId, uint32_t buttons, uint32_t defaultButton)>;

}  // namespace qor::fw
