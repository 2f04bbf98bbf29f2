#pragma once
// The error manager's message tables, compiled at build time from resources/messages/*.msg
// into the packed form framework/message_table/message_table.h describes.
#include <cstdint>
#include <span>

namespace qor::res {

// The 39 default messages the error manager loads at Init.
std::span<const uint8_t> DefaultErrorTable();

}  // namespace qor::res
