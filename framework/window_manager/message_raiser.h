#pragma once
// How a window manager raises a numbered message and learns the answer (the button
// chosen). The error manager is attached through this one function; without one, every
// message answers 0.
#include <cstdint>
#include <functional>

namespace qor::fw {

using MessageRaiser = std::function<uint8_t(uint16_t messageId)>;

}  // namespace qor::fw
