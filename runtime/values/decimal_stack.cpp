// The decimal stack and its operations.
#include "runtime/values/decimal_stack.h"

#include <cstring>

#include "runtime/values/decimal_convert.h"
#if defined(__SSE2__)
#include "runtime/values/decimal_digit_vectors.h"
#endif
#include "runtime/values/decimal_text.h"
#include "runtime/values/stack_error.h"

namespace qor::rt {
namespace {

DecimalStack theStack{};

Decimal& Top() { return theStack.entry[theStack.count - 1]; }

// Entries are written and read in one shape, so that an operation's result is read
// back by the next without waiting for it to reach the cache.
void Copy(Decimal& to, const Decimal& from) {
#if defined(__SSE2__)
  CopyDecimal(to, from);
#else
  to = from;
#endif
}

void RequireEntries(int count) {
  if (theStack.count < count) RaiseStackError();
}

// Pops the top and replaces the new top by combine(second, top).
template <typename Combine>
void Combine2(Combine combine) {
  RequireEntries(2);
  const Decimal& top = theStack.entry[theStack.count - 1];
  Decimal& second = theStack.entry[theStack.count - 2];
  Copy(second, combine(second, top));
  --theStack.count;
}

int PopCompare(bool reversed) {
  RequireEntries(2);
  const Decimal& top = theStack.entry[theStack.count - 1];
  const Decimal& second = theStack.entry[theStack.count - 2];
  int result = reversed ? DecimalCompare(top, second) : DecimalCompare(second, top);
  theStack.count -= 2;
  return result;
}

}  // namespace

DecimalStack& TheDecimalStack() { return theStack; }

int DecimalStackCount() { return theStack.count; }

const Decimal& DecimalAtDepth(int depth) {
  if (depth < 1 || depth > theStack.count) RaiseStackError();
  return theStack.entry[theStack.count - depth];
}

void DecPush(const Decimal& d) {
  if (theStack.count >= kDecimalStackEntries) return;
  Copy(theStack.entry[theStack.count++], d);
}

Decimal DecPop() {
  RequireEntries(1);
  Decimal d;
  Copy(d, theStack.entry[--theStack.count]);
  return d;
}

void DecPushLong(int32_t value) { DecPush(DecimalFromLong(value)); }
void DecPushUlong(uint32_t value) { DecPush(DecimalFromUlong(value)); }

void DecPushDecimal(const void* address, int32_t byteLength, int32_t places) {
  DecPush(DecimalFromPacked(address, byteLength, places));
}

void DecPushPdecimal(const void* address, int32_t byteLength, int32_t places) {
  DecPush(DecimalFromPackedTrailingSign(address, byteLength, places));
}

void DecPushText(const char* text) { DecPush(DecimalFromText(text, text ? std::strlen(text) : 0)); }

void DecPushReal(double value) { DecPush(DecimalFromReal(value)); }

void DecAdd() { Combine2(DecimalAdd); }
void DecSubtract() { Combine2(DecimalSubtract); }
void DecReverseSubtract() {
  Combine2([](const Decimal& second, const Decimal& top) { return DecimalSubtract(top, second); });
}
void DecMultiply() { Combine2(DecimalMultiply); }
void DecDivide() { Combine2(DecimalDivide); }

void DecNegate() {
  RequireEntries(1);
  Top().sign = (Top().sign || DecimalIsZero(Top())) ? 0 : 1;
}

void DecAbsolute() {
  RequireEntries(1);
  Top().sign = 0;
}

int DecCompare() { return PopCompare(false); }
int DecCompareReversed() { return PopCompare(true); }

int DecTest() { return DecimalIsZero(DecPop()) ? 0 : 1; }

int32_t DecPopLong() { return DecimalToLong(DecPop()); }

void DecRound(int32_t places) {
  RequireEntries(1);
  Top() = DecimalRound(Top(), places);
}

}  // namespace qor::rt
