#pragma once
// Operations that change texts on the value stack: lengths, case, joining, slicing,
// repeating and comparing.
#include <cstdint>

namespace qor::rt {

// If the text is at least n long the length becomes n; otherwise a new block of n
// bytes receives the text padded with blanks. When no block can be had the entry
// stays as it was. A negative n counts as 0.
void StrSetLength(int32_t n);
// Removes trailing blanks (changes the length only).
void StrClip();
// Makes the top self-contained and converts every byte to upper case.
void StrUpper();
// Pops the top two and pushes one owned block holding second followed by top.
void StrConcatenate();
// Compares the second entry with the top, pops both; negative, 0 or positive.
// StrCompare compares over both lengths (the shorter counts as blank-padded),
// StrCompareShorter over the shorter length only.
int StrCompare();
int StrCompareShorter();
// Restricts the top to the characters from `start` (1-based; a negative start counts
// from the end, 0 counts as 1), at most `length` of them, never beyond the end.
void StrSubstring(int32_t start, int32_t length);
// Pops the top and pushes an owned block of exactly n bytes filled by repeating the
// popped text; an empty text fills with blanks. n <= 0 pushes the empty string, and
// so does a failed allocation.
void StrRepeat(int32_t n);

}  // namespace qor::rt
