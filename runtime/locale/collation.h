#pragma once
// The sort order of strings: a weight per character (one table for the ANSI set,
// one for the OEM set) and digraphs, characters that sort as two letters.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/locale/locale.h"

namespace qor::rt {

CollationTable IdentityCollation();

// Gives the characters listed in `sequence` their own current weights again, in the
// order of the list: the first listed character receives the smallest of them.
// Characters not listed keep theirs; a repeated character counts once. A list of
// exactly 222 distinct characters is a complete order: its first 95 characters
// receive the weights 32 to 126, the others 128 to 254.
void ApplyCollationSequence(CollationTable& table, std::string_view sequence);

// The QORCOLSEQ setting. `sequence` is in the OEM set when `oem` is true; it is
// applied to that set's table and, converted, to the other one. An empty sequence
// resets both tables; "WINDOWS" takes the platform's order.
void SetCollationSequence(std::string_view sequence, bool oem);

// Characters 1 to 254 in the platform's sort order (a stable insertion sort).
std::string PlatformCollationSequence();

// The QORDIGRAPH setting: groups of three characters (the character, then the two
// letters it sorts as), at most 16; an OEM copy is built beside them.
void SetDigraphs(std::string_view groups);

// Compares two strings through the ANSI collation and the digraphs: negative, 0 or
// positive. A string that has run out counts as blanks.
int CompareStrings(std::string_view a, std::string_view b);

}  // namespace qor::rt
