#pragma once
// Internal: how a platform window carries a reference to its runtime object: two window
// properties, "lo_pfield" and "hi_pfield", holding the low and the high 32 bits.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win::detail {

void StoreObjectReference(ui::Hwnd hwnd, const void* object);
// The reference the properties hold; nothing when either is absent.
bool ReadObjectReference(ui::Hwnd hwnd, uintptr_t& reference);

}  // namespace qor::win::detail
