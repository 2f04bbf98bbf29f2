// The block routines. Each works in place on the caller's block, touching only its
// `length` bytes, and moves whole words or 16-byte vectors where it can.
#include "app/routines.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qor::app {
namespace {

using Byte = unsigned char;

// Runs of bytes handled as one value; every operation on one acts on each byte alone.
// The loops over them are compiled twice on x86-64, once for AVX2 (a 32-byte run in one
// register) and once for the baseline (two SSE2 registers); the loader picks the one the
// processor runs. The runs only ever move through memcpy, never by value across calls.
typedef Byte Bytes32 __attribute__((vector_size(32)));
typedef Byte Bytes16 __attribute__((vector_size(16)));
typedef Byte Bytes8 __attribute__((vector_size(8)));

#if defined(__x86_64__)
#define QOR_WIDEST_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define QOR_WIDEST_VECTORS
#endif

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

// Exchanges bytes from i on in runs of sizeof(Run) while whole runs fit below n.
template <class Run>
inline size_t SwapRuns(Byte* a, Byte* b, size_t i, size_t n) {
  for (; i + sizeof(Run) <= n; i += sizeof(Run)) {
    Run x, y;
    std::memcpy(&x, a + i, sizeof(Run));
    std::memcpy(&y, b + i, sizeof(Run));
    std::memcpy(a + i, &y, sizeof(Run));
    std::memcpy(b + i, &x, sizeof(Run));
  }
  return i;
}

// Exchanges n bytes of two runs that do not overlap, widest runs first.
QOR_WIDEST_VECTORS void SwapDisjoint(Byte* a, Byte* b, size_t n) {
  size_t i = SwapRuns<Bytes32>(a, b, 0, n);
  i = SwapRuns<Bytes16>(a, b, i, n);
  i = SwapRuns<uint64_t>(a, b, i, n);
  SwapBytewise(a + i, b + i, n - i);
}

// Left bit rotation from byte i up, in runs, while whole runs fit below `end`: each
// byte takes the top bit of the next one, which still holds its old value because the
// walk goes up. Returns the first byte not done; byte `end` must exist.
template <class Run>
inline size_t ShiftUpRuns(Byte* a, size_t i, size_t end) {
  for (; i + sizeof(Run) <= end; i += sizeof(Run)) {
    Run self, next;
    std::memcpy(&self, a + i, sizeof(Run));
    std::memcpy(&next, a + i + 1, sizeof(Run));
    self = (self + self) | (next >> 7);
    std::memcpy(a + i, &self, sizeof(Run));
  }
  return i;
}

QOR_WIDEST_VECTORS size_t ShiftBitsInFromNext(Byte* a, size_t end) {
  size_t i = ShiftUpRuns<Bytes32>(a, 0, end);
  i = ShiftUpRuns<Bytes16>(a, i, end);
  return ShiftUpRuns<Bytes8>(a, i, end);
}

// Right bit rotation from byte end - 1 down, in runs, while whole runs fit at or above
// `begin`: each byte takes the low bit of the one before, which still holds its old
// value because the walk goes down. Returns the lowest byte done; byte begin - 1 must
// exist.
template <class Run>
inline size_t ShiftDownRuns(Byte* a, size_t begin, size_t end) {
  for (; end >= begin + sizeof(Run); end -= sizeof(Run)) {
    Byte* at = a + end - sizeof(Run);
    Run self, previous;
    std::memcpy(&self, at, sizeof(Run));
    std::memcpy(&previous, at - 1, sizeof(Run));
    self = (self >> 1) | (previous << 7);
    std::memcpy(at, &self, sizeof(Run));
  }
  return end;
}

QOR_WIDEST_VECTORS size_t ShiftBitsInFromPrevious(Byte* a, size_t begin, size_t n) {
  size_t end = ShiftDownRuns<Bytes32>(a, begin, n);
  end = ShiftDownRuns<Bytes16>(a, begin, end);
  return ShiftDownRuns<Bytes8>(a, begin, end);
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
  size_t i = ShiftBitsInFromNext(a, n - 1);
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
  size_t end = ShiftBitsInFromPrevious(a, 1, n);  // bytes [end, n) are done
  for (; end > 1; --end) a[end - 1] = ShiftInFromPrevious(a[end - 1], a[end - 2]);
  a[0] = ShiftInFromPrevious(a[0], carry);
}

}  // namespace qor::app
