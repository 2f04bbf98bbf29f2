// The block routines. Each works in place on the caller's block and touches only its
// `length` bytes, moving them in runs of 8 or 32 bytes (byte_runs.h) where it can.
#include "app/routines.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "app/byte_runs.h"

namespace qor::app {
namespace {

using namespace byte_runs;

// The block routines are compiled twice on x86-64, once for AVX2 (a 32-byte run in one
// register) and once for the baseline (two SSE2 registers); the loader picks the one
// the processor runs. Their helpers are inlined into both.
#if defined(__x86_64__)
#define QOR_WIDEST_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define QOR_WIDEST_VECTORS
#endif

QOR_ALWAYS_INLINE Byte* AsBytes(void* address) { return static_cast<Byte*>(address); }

// memmove, with short blocks done here without the call.
QOR_ALWAYS_INLINE void MoveBytes(Byte* to, const Byte* from, size_t n) {
  if (n > kShortBlock)
    std::memmove(to, from, n);
  else
    MoveShortBlock(to, from, n);
}

// Bytes [first, first + n) of a left bit rotation; byte first + n must exist.
QOR_ALWAYS_INLINE void RotateBitsTowardsStart(Byte* first, size_t n) {
  if (n > kShortBlock)
    TransformUpward<Bytes32, TopBitOfNext>(first, n);
  else
    TransformShortBlock<TopBitOfNext, true>(first, n);
}

// Bytes [first, first + n) of a right bit rotation; byte first - 1 must exist.
QOR_ALWAYS_INLINE void RotateBitsTowardsEnd(Byte* first, size_t n) {
  if (n > kShortBlock)
    TransformDownward<Bytes32, LowBitOfPrevious>(first, n);
  else
    TransformShortBlock<LowBitOfPrevious, false>(first, n);
}

}  // namespace

QOR_WIDEST_VECTORS void SWAPG(void* first, void* second, int32_t length) {
  if (length <= 0 || first == second) return;
  Byte* a = AsBytes(first);
  Byte* b = AsBytes(second);
  const size_t n = static_cast<size_t>(length);
  const uintptr_t pa = reinterpret_cast<uintptr_t>(a), pb = reinterpret_cast<uintptr_t>(b);
  const size_t distance = pa < pb ? pb - pa : pa - pb;
  if (distance < n) {
    // Overlapping blocks: the order of the single exchanges decides the outcome.
    for (size_t i = 0; i < n; ++i) std::swap(a[i], b[i]);
  } else if (n > kShortBlock) {
    SwapMany<Bytes32>(a, b, n);
  } else {
    SwapShortBlock(a, b, n);
  }
}

QOR_WIDEST_VECTORS void GROL(void* block, int32_t length) {
  if (length < 2) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte first = a[0];
  MoveBytes(a, a + 1, n - 1);
  a[n - 1] = first;
}

QOR_WIDEST_VECTORS void GROR(void* block, int32_t length) {
  if (length < 2) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte last = a[n - 1];
  MoveBytes(a + 1, a, n - 1);
  a[0] = last;
}

QOR_WIDEST_VECTORS int32_t GSHL(void* block, int32_t length, uint8_t fill) {
  if (length < 1) return fill;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte out = a[0];
  MoveBytes(a, a + 1, n - 1);
  a[n - 1] = fill;
  return out;
}

QOR_WIDEST_VECTORS int32_t GSHR(void* block, int32_t length, uint8_t fill) {
  if (length < 1) return fill;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte out = a[n - 1];
  MoveBytes(a + 1, a, n - 1);
  a[0] = fill;
  return out;
}

// Every byte but the last takes the top bit of the byte after it; the last takes the
// old top bit of byte 0, the bit that leaves the block at the top.
QOR_WIDEST_VECTORS void GBRL(void* block, int32_t length) {
  if (length < 1) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte carry = static_cast<Byte>(a[0] >> 7);
  RotateBitsTowardsStart(a, n - 1);
  a[n - 1] = static_cast<Byte>((a[n - 1] << 1) | carry);
}

// Every byte but the first takes the low bit of the byte before it; the first takes the
// old low bit of the last byte, the bit that leaves the block at the bottom.
QOR_WIDEST_VECTORS void GBRR(void* block, int32_t length) {
  if (length < 1) return;
  Byte* a = AsBytes(block);
  const size_t n = static_cast<size_t>(length);
  const Byte carry = static_cast<Byte>(a[n - 1] & 1u);
  RotateBitsTowardsEnd(a + 1, n - 1);
  a[0] = static_cast<Byte>((a[0] >> 1) | (carry << 7));
}

}  // namespace qor::app
