// The block routines. Each works in place on the caller's block, touching only its
// `length` bytes, and moves whole words or 16-byte vectors where it can.
#include "app/routines.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qor::app {
namespace {

using Byte = unsigned char;

// Sixteen bytes handled as one value; every operation on it acts on each byte alone.
typedef Byte Bytes16 __attribute__((vector_size(16)));
constexpr size_t kVector = sizeof(Bytes16);

Bytes16 LoadVector(const Byte* at) {
  Bytes16 v;
  std::memcpy(&v, at, kVector);
  return v;
}

void StoreVector(Byte* at, Bytes16 v) { std::memcpy(at, &v, kVector); }

Byte* AsBytes(void* address) { return static_cast<Byte*>(address); }

// Exchanges the n bytes at a and b one by one, in order; used when the two runs
// overlap, where the order of the single exchanges decides the outcome.
void SwapBytewise(Byte* a, Byte* b, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const Byte t = a[i];
    a[i] = b[i];
    b[i] = t;
  }
}

// Exchanges n bytes of two runs that do not overlap, two vectors at a time.
void SwapDisjoint(Byte* a, Byte* b, size_t n) {
  size_t i = 0;
  for (; i + 2 * kVector <= n; i += 2 * kVector) {
    const Bytes16 a0 = LoadVector(a + i), a1 = LoadVector(a + i + kVector);
    const Bytes16 b0 = LoadVector(b + i), b1 = LoadVector(b + i + kVector);
    StoreVector(a + i, b0);
    StoreVector(a + i + kVector, b1);
    StoreVector(b + i, a0);
    StoreVector(b + i + kVector, a1);
  }
  for (; i + sizeof(uint64_t) <= n; i += sizeof(uint64_t)) {
    uint64_t x, y;
    std::memcpy(&x, a + i, sizeof x);
    std::memcpy(&y, b + i, sizeof y);
    std::memcpy(a + i, &y, sizeof y);
    std::memcpy(b + i, &x, sizeof x);
  }
  SwapBytewise(a + i, b + i, n - i);
}

// One byte of a left bit rotation: its own bits moved up, the next byte's top bit in.
Byte ShiftInFromNext(Byte self, Byte next) { return static_cast<Byte>((self << 1) | (next >> 7)); }

// One byte of a right bit rotation: its own bits moved down, the previous byte's low bit in.
Byte ShiftInFromPrevious(Byte self, Byte previous) {
  return static_cast<Byte>((self >> 1) | (previous << 7));
}

}  // namespace

void SWAPG(void* first, void* second, int32_t length) {
  if (length <= 0 || first == second) return;
  Byte* a = AsBytes(first);
  Byte* b = AsBytes(second);
  const size_t n = static_cast<size_t>(length);
  const uintptr_t pa = reinterpret_cast<uintptr_t>(a), pb = reinterpret_cast<uintptr_t>(b);
  const size_t distance = pa < pb ? pb - pa : pa - pb;
  if (distance < n)
    SwapBytewise(a, b, n);
  else
    SwapDisjoint(a, b, n);
}

void GROL(void* block, int32_t length) {
  if (length < 2) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte first = a[0];
  std::memmove(a, a + 1, n - 1);
  a[n - 1] = first;
}

void GROR(void* block, int32_t length) {
  if (length < 2) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte last = a[n - 1];
  std::memmove(a + 1, a, n - 1);
  a[0] = last;
}

int32_t GSHL(void* block, int32_t length, uint8_t fill) {
  if (length < 1) return fill;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte out = a[0];
  std::memmove(a, a + 1, n - 1);
  a[n - 1] = fill;
  return out;
}

int32_t GSHR(void* block, int32_t length, uint8_t fill) {
  if (length < 1) return fill;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte out = a[n - 1];
  std::memmove(a + 1, a, n - 1);
  a[0] = fill;
  return out;
}

// Walks up the block: byte i takes the top bit of byte i+1, which is still unchanged
// because it lies ahead. The top bit of byte 0 re-enters at the bottom of the last byte.
void GBRL(void* block, int32_t length) {
  if (length < 1) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte carry = static_cast<Byte>(a[0] >> 7);
  size_t i = 0;
  for (; i + kVector < n; i += kVector) {
    const Bytes16 self = LoadVector(a + i), next = LoadVector(a + i + 1);
    StoreVector(a + i, (self + self) | (next >> 7));
  }
  for (; i + 1 < n; ++i) a[i] = ShiftInFromNext(a[i], a[i + 1]);
  a[n - 1] = ShiftInFromNext(a[n - 1], static_cast<Byte>(carry << 7));
}

// Walks down the block: byte i takes the low bit of byte i-1, which is still unchanged
// because it lies ahead. The low bit of the last byte re-enters at the top of byte 0.
void GBRR(void* block, int32_t length) {
  if (length < 1) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte carry = static_cast<Byte>(a[n - 1] & 1u);
  size_t end = n;  // bytes [end, n) are done
  for (; end > kVector; end -= kVector) {
    Byte* at = a + end - kVector;
    const Bytes16 self = LoadVector(at), previous = LoadVector(at - 1);
    StoreVector(at, (self >> 1) | (previous << 7));
  }
  for (; end > 1; --end) a[end - 1] = ShiftInFromPrevious(a[end - 1], a[end - 2]);
  a[0] = ShiftInFromPrevious(a[0], carry);
}

}  // namespace qor::app
