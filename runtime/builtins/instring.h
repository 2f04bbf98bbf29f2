#pragma once
// INSTRING: where a substring lies in a string, counted in steps.
#include <cstdint>

namespace qor::rt {

// Candidate positions are start, start+step, ... (1-based) while the substring
// fits; the result is the number of the step of the first match counted from the
// beginning of the string, (position - 1) / step + 1, so with step 1 it is the
// position itself. 0 when nothing matches, when the substring is empty, when start
// is below 1 or when step is negative. A step of 0 means the substring's length.
// Bytes are compared as they are (no collation).
int32_t InString(const char* substring, int32_t substringLength, const char* string, int32_t stringLength,
                 int32_t step, int32_t start);

// Searches the second entry of the value stack (the string) for the top entry (the
// substring), pops both and returns InString's result.
int32_t StrInString(int32_t step, int32_t start);

}  // namespace qor::rt
