#pragma once
// Whether everything written to a stream reached its file: a full disk or a closed pipe
// must not pass for success. Programs check their result stream once before they end.
#include <cstdio>
#include <optional>
#include <string>

namespace qor::os {

// Flushes `stream`; the reason when that or an earlier write to it failed, nothing when
// everything went out.
std::optional<std::string> StreamWriteFailure(std::FILE* stream);

}  // namespace qor::os
