#pragma once
// UpdateFields and DisplayFields on the target window, over a range of control numbers
// (0 and 0: every control; a last number of 0: the first alone; a reversed pair is taken
// the other way round).
// - UpdateFields stores each edited field of the range whose text passes its check and
//   shows it again; it posts no events.
// - DisplayFields shows again each control of the range whose use variable differs from
//   the copy taken when it was last shown. Every bound control keeps its own copy, so
//   controls over the same memory (a value read as ULONG, LONG and four BYTEs) each see
//   a change made through any of them. The accept loop does this for the whole window
//   before each wait.
// Without a target window they do nothing.
#include <cstdint>

namespace qor::win {

struct Window;

void UpdateFields(int32_t first = 0, int32_t last = 0);
void DisplayFields(int32_t first = 0, int32_t last = 0);

// DisplayFields over the whole of one window.
void DisplayChangedFields(Window& window);

}  // namespace qor::win
