#pragma once
// Building blocks of the block routines (used by routines.cpp only): runs of bytes
// loaded, changed and stored as one value, where every operation acts on each byte
// alone. A run is a 32-byte or 8-byte vector, or a single byte.
//
// Short blocks (up to four runs) are handled by loading every run first and storing
// them all afterwards: half the runs laid from the start of the block, half flush with
// its end, overlapping in the middle where the block is shorter; since every stored
// byte is computed from the old bytes, overlapping stores write equal values. Long
// blocks go run by run in the direction that reads only bytes not yet changed, the
// last run computed up front.
//
// Runs pass only by reference, so no vector crosses a call boundary by value.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace qor::app::byte_runs {

using Byte = unsigned char;
typedef Byte Bytes32 __attribute__((vector_size(32)));
typedef Byte Bytes8 __attribute__((vector_size(8)));

// A short block has at most this many runs of 32 bytes.
constexpr int kMaxFewRuns = 4;
constexpr size_t kShortBlock = kMaxFewRuns * sizeof(Bytes32);

#define QOR_ALWAYS_INLINE [[gnu::always_inline]] inline

template <class Run>
QOR_ALWAYS_INLINE void Load(Run& run, const Byte* at) {
  std::memcpy(&run, at, sizeof run);
}

template <class Run>
QOR_ALWAYS_INLINE void Store(Byte* at, const Run& run) {
  std::memcpy(at, &run, sizeof run);
}

// Where run k of kRuns starts in a short block of n bytes, with
// (kRuns / 2) * sizeof(Run) <= n <= kRuns * sizeof(Run): the first half of the runs
// from the start, the second half flush with the end.
template <class Run, int kRuns>
QOR_ALWAYS_INLINE size_t FewRunStart(int k, size_t n) {
  return k < kRuns / 2 ? static_cast<size_t>(k) * sizeof(Run) : n - static_cast<size_t>(kRuns - k) * sizeof(Run);
}

// ---- Bit rotations: the new value of the bytes at `at` --------------------------------

// Rotating left: each byte's bits move up and the next byte's top bit comes in.
struct TopBitOfNext {
  template <class Run>
  QOR_ALWAYS_INLINE static void Apply(Run& out, const Byte* at) {
    Run self, next;
    Load(self, at);
    Load(next, at + 1);
    out = static_cast<Run>((self + self) | (next >> 7));
  }
};

// Rotating right: each byte's bits move down and the previous byte's low bit comes in.
struct LowBitOfPrevious {
  template <class Run>
  QOR_ALWAYS_INLINE static void Apply(Run& out, const Byte* at) {
    Run self, previous;
    Load(self, at);
    Load(previous, at - 1);
    out = static_cast<Run>((self >> 1) | (previous << 7));
  }
};

// Rewrites a short block by Rule (see FewRunStart for its size).
template <class Run, int kRuns, class Rule>
QOR_ALWAYS_INLINE void TransformFew(Byte* first, size_t n) {
  Run out[kRuns];
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) Rule::template Apply<Run>(out[k], first + FewRunStart<Run, kRuns>(k, n));
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) Store(first + FewRunStart<Run, kRuns>(k, n), out[k]);
}

// Rewrites n >= sizeof(Run) bytes walking up, for rules that read the byte after.
template <class Run, class Rule>
QOR_ALWAYS_INLINE void TransformUpward(Byte* first, size_t n) {
  Run last;
  Rule::template Apply<Run>(last, first + n - sizeof(Run));
  for (size_t i = 0; i + sizeof(Run) <= n; i += sizeof(Run)) {
    Run out;
    Rule::template Apply<Run>(out, first + i);
    Store(first + i, out);
  }
  Store(first + n - sizeof(Run), last);
}

// Rewrites n >= sizeof(Run) bytes walking down, for rules that read the byte before.
template <class Run, class Rule>
QOR_ALWAYS_INLINE void TransformDownward(Byte* first, size_t n) {
  Run lowest;
  Rule::template Apply<Run>(lowest, first);
  for (size_t end = n; end >= sizeof(Run); end -= sizeof(Run)) {
    Run out;
    Rule::template Apply<Run>(out, first + end - sizeof(Run));
    Store(first + end - sizeof(Run), out);
  }
  Store(first, lowest);
}

// Rewrites a block of sizeof(Run) to kMaxFewRuns runs of Run by Rule.
template <class Run, class Rule>
QOR_ALWAYS_INLINE void TransformShort(Byte* first, size_t n) {
  if (n > 2 * sizeof(Run))
    TransformFew<Run, 4, Rule>(first, n);
  else
    TransformFew<Run, 2, Rule>(first, n);
}

// Rewrites a block of at most kShortBlock bytes by Rule; `upward` says in which order
// single bytes are done (the order that reads only unchanged bytes).
template <class Rule, bool upward>
QOR_ALWAYS_INLINE void TransformShortBlock(Byte* first, size_t n) {
  if (n >= sizeof(Bytes32)) {
    TransformShort<Bytes32, Rule>(first, n);
  } else if (n >= sizeof(Bytes8)) {
    TransformShort<Bytes8, Rule>(first, n);
  } else if (upward) {
    for (size_t i = 0; i < n; ++i) Rule::template Apply<Byte>(first[i], first + i);
  } else {
    for (size_t i = n; i > 0; --i) Rule::template Apply<Byte>(first[i - 1], first + i - 1);
  }
}

// ---- Exchanges and moves ---------------------------------------------------------------

// Exchanges a short block with another that it does not overlap (see FewRunStart).
template <class Run, int kRuns>
QOR_ALWAYS_INLINE void SwapFew(Byte* a, Byte* b, size_t n) {
  Run x[kRuns], y[kRuns];
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) {
    Load(x[k], a + FewRunStart<Run, kRuns>(k, n));
    Load(y[k], b + FewRunStart<Run, kRuns>(k, n));
  }
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) {
    Store(a + FewRunStart<Run, kRuns>(k, n), y[k]);
    Store(b + FewRunStart<Run, kRuns>(k, n), x[k]);
  }
}

// Exchanges n >= sizeof(Run) bytes of two blocks that do not overlap. The runs between
// the first and the last start where a's stores fall on run boundaries (b's too when
// both blocks are aligned alike); the first and last runs, loaded up front, are stored
// after them.
template <class Run>
QOR_ALWAYS_INLINE void SwapMany(Byte* a, Byte* b, size_t n) {
  Run firstOfA, firstOfB, lastOfA, lastOfB;
  Load(firstOfA, a);
  Load(firstOfB, b);
  Load(lastOfA, a + n - sizeof(Run));
  Load(lastOfB, b + n - sizeof(Run));
  const size_t misalignment = reinterpret_cast<uintptr_t>(a) % sizeof(Run);
  for (size_t i = misalignment == 0 ? 0 : sizeof(Run) - misalignment; i + sizeof(Run) <= n; i += sizeof(Run)) {
    Run x, y;
    Load(x, a + i);
    Load(y, b + i);
    Store(a + i, y);
    Store(b + i, x);
  }
  Store(a, firstOfB);
  Store(b, firstOfA);
  Store(a + n - sizeof(Run), lastOfB);
  Store(b + n - sizeof(Run), lastOfA);
}

// Copies a short block; source and target may overlap (see FewRunStart).
template <class Run, int kRuns>
QOR_ALWAYS_INLINE void MoveFew(Byte* to, const Byte* from, size_t n) {
  Run x[kRuns];
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) Load(x[k], from + FewRunStart<Run, kRuns>(k, n));
#pragma GCC unroll 4
  for (int k = 0; k < kRuns; ++k) Store(to + FewRunStart<Run, kRuns>(k, n), x[k]);
}

// Exchanges sizeof(Run) to kMaxFewRuns runs of Run with a block they do not overlap.
template <class Run>
QOR_ALWAYS_INLINE void SwapShort(Byte* a, Byte* b, size_t n) {
  if (n > 2 * sizeof(Run))
    SwapFew<Run, 4>(a, b, n);
  else
    SwapFew<Run, 2>(a, b, n);
}

// Exchanges at most kShortBlock bytes with a block they do not overlap.
QOR_ALWAYS_INLINE void SwapShortBlock(Byte* a, Byte* b, size_t n) {
  if (n >= sizeof(Bytes32)) {
    SwapShort<Bytes32>(a, b, n);
  } else if (n >= sizeof(Bytes8)) {
    SwapShort<Bytes8>(a, b, n);
  } else {
    for (size_t i = 0; i < n; ++i) std::swap(a[i], b[i]);
  }
}

// Copies sizeof(Run) to kMaxFewRuns runs of Run; source and target may overlap.
template <class Run>
QOR_ALWAYS_INLINE void MoveShort(Byte* to, const Byte* from, size_t n) {
  if (n > 2 * sizeof(Run))
    MoveFew<Run, 4>(to, from, n);
  else
    MoveFew<Run, 2>(to, from, n);
}

// Copies at most kShortBlock bytes; source and target may overlap.
QOR_ALWAYS_INLINE void MoveShortBlock(Byte* to, const Byte* from, size_t n) {
  if (n >= sizeof(Bytes32))
    MoveShort<Bytes32>(to, from, n);
  else if (n >= sizeof(Bytes8))
    MoveShort<Bytes8>(to, from, n);
  else
    std::memmove(to, from, n);
}

}  // namespace qor::app::byte_runs
