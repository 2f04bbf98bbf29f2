#pragma once
// The decimal stack: ten unpacked decimals through which generated code does exact
// arithmetic and comparisons. Binary operations combine the second entry (depth 2)
// with the top (depth 1) and leave the result in place of the second.
//
// A push on a full stack is ignored, like a push on the full value stack. Popping
// more entries than the stack holds raises run-time error 501 "String Stack Error".
#include <cstdint>

#include "runtime/values/decimal.h"

namespace qor::rt {

inline constexpr int kDecimalStackEntries = 10;

struct DecimalStack {
  uint8_t count;
  Decimal entry[kDecimalStackEntries];
};

DecimalStack& TheDecimalStack();

int DecimalStackCount();
// The entry at `depth` (1 is the top); raises 501 when there is none.
const Decimal& DecimalAtDepth(int depth);

void DecPush(const Decimal& d);
Decimal DecPop();

void DecPushLong(int32_t value);
void DecPushUlong(uint32_t value);
void DecPushDecimal(const void* address, int32_t byteLength, int32_t places);
void DecPushPdecimal(const void* address, int32_t byteLength, int32_t places);
void DecPushText(const char* text);  // 0-terminated; null pushes 0
void DecPushReal(double value);

void DecAdd();              // second := second + top
void DecSubtract();         // second := second - top
void DecReverseSubtract();  // second := top - second
void DecMultiply();         // second := second * top
void DecDivide();           // second := second / top, rounded to 31 places
void DecNegate();
void DecAbsolute();
int DecCompare();           // 1, 0, -1 for second >, =, < top; pops both
int DecCompareReversed();   // the same with the operands exchanged
int DecTest();              // 1 for nonzero, 0 for zero; pops
int32_t DecPopLong();
void DecRound(int32_t places);

}  // namespace qor::rt
