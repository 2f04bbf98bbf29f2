#pragma once
// Thread identifiers as the kernel numbers them. The process's first thread has the
// number of the process itself.
#include <cstdint>

namespace qor::os {

using ThreadId = uint32_t;

// The calling thread's identifier (never 0).
ThreadId CurrentThreadId();
// The identifier of the process's first thread.
ThreadId MainThreadId();
bool IsMainThread();

}  // namespace qor::os
