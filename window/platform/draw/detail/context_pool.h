#pragma once
// Internal: where the contexts of GetDC live. Records are never given back to the heap,
// so a context used after it was released, or released twice, is still memory of ours:
// a release is checked against the contexts handed out before anything is touched, and a
// released record is emptied (a canvas without pixels, an empty clip) so that drawing
// through it does nothing. A released record serves again only after kQuarantine others
// were released after it; a context kept longer than that may then draw into a newer one,
// as a stale handle would on the old system.
#include <cstddef>

#include "window/platform/draw/device_context.h"

namespace qor::ui::detail {

inline constexpr size_t kQuarantine = 64;

// A fresh record, counted as handed out.
DeviceContext* TakeContextRecord();
// Empties and takes back a record handed out for `hwnd`; false (nothing touched) for a
// pointer not handed out, released already, or handed out for another window.
bool GiveBackContextRecord(Hwnd hwnd, DeviceContext* dc);

}  // namespace qor::ui::detail
