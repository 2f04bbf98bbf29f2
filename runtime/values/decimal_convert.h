#pragma once
// Conversions between the unpacked decimal and the language's other numeric types:
// LONG, ULONG, the two packed decimal layouts and REAL.
#include <cstdint>

#include "runtime/values/decimal.h"

namespace qor::rt {

Decimal DecimalFromLong(int32_t value);
Decimal DecimalFromUlong(uint32_t value);

// The packed layouts hold two digits a byte, 2*byteLength-1 digits in all, the last
// `places` of them fractional. DECIMAL keeps the sign in the first nibble (nonzero
// means negative); PDECIMAL keeps it in the last nibble (0xD means negative).
// A nibble above 9 in a digit place reads as 0.
Decimal DecimalFromPacked(const void* address, int32_t byteLength, int32_t places);
Decimal DecimalFromPackedTrailingSign(const void* address, int32_t byteLength, int32_t places);
// Stores d rounded half away from zero to `places`; integer digits that do not fit
// are dropped. The sign nibble written is 0xD for a negative value, else 0 (DECIMAL)
// or 0xC (PDECIMAL).
void DecimalToPacked(const Decimal& d, void* address, int32_t byteLength, int32_t places);
void DecimalToPackedTrailingSign(const Decimal& d, void* address, int32_t byteLength, int32_t places);

// Through text of 15 significant digits (the precision a REAL keeps), so that 0.1
// becomes exactly 0.1; then rounded at 31 places. Infinities and NaN give 0.
Decimal DecimalFromReal(double value);

// The integer part with the sign applied; fractional digits are dropped (truncation
// toward zero). An integer part beyond 32 bits keeps its low 32 bits, as the digit
// accumulation in a 32-bit word does.
int32_t DecimalToLong(const Decimal& d);
// The same in 64 bits: an integer part beyond them keeps its low 64 bits.
int64_t DecimalToInt64(const Decimal& d);

}  // namespace qor::rt
