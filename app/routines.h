#pragma once
// The bit, byte and block routine library. Stands alone: no dependency on the rest.
//
// Every routine works in place on the caller's variables, given by address. A value is
// 32 bits stored least significant byte first; bit 0 is its least significant bit.
// A block is `length` bytes at an address; for the bit rotations of a block, byte 0 is
// the most significant byte and bit 7 the most significant bit of each byte.
//
// Guarantees beyond the callers' usual limits, so that no argument can make a routine
// touch memory it was not given:
//   - a bit number acts modulo 32 (two's complement: -1 names bit 31, 32 names bit 0);
//   - a rotation count acts modulo 32 in the mathematical sense (-1 acts as 31);
//   - a length of 0 or less leaves the block alone; any positive length is honoured in
//     full (lengths are not cut to 16 bits);
//   - GSHL and GSHR with no bytes to shift return the fill byte itself.
//
// The 32-bit routines are defined here, inline, so that a call costs what the
// instruction it stands for costs. The block routines live in routines.cpp.
#include <bit>
#include <cstdint>
#include <cstring>

namespace qor::app {

static_assert(std::endian::native == std::endian::little,
              "values are stored least significant byte first");

namespace routines_detail {

inline uint32_t Load32(const void* address) {
  uint32_t value;
  std::memcpy(&value, address, sizeof value);
  return value;
}

inline void Store32(void* address, uint32_t value) { std::memcpy(address, &value, sizeof value); }

inline uint32_t BitMask(int32_t bit) { return uint32_t{1} << (static_cast<uint32_t>(bit) & 31u); }

inline uint32_t RotateLeft(uint32_t value, int32_t count) {
  const uint32_t n = static_cast<uint32_t>(count) & 31u;  // the mathematical modulo 32
  return (value << n) | (value >> ((32u - n) & 31u));
}

inline uint32_t RotateRight(uint32_t value, int32_t count) {
  const uint32_t n = static_cast<uint32_t>(count) & 31u;
  return (value >> n) | (value << ((32u - n) & 31u));
}

// The atomic forms need the value 4-byte aligned, as every 32-bit variable is.
inline uint32_t* AtomicWord(void* address) { return static_cast<uint32_t*>(address); }

// The scans of a zero value answer with this number (bits 31..15 set, 14..8 clear).
inline constexpr uint32_t kNoBitFound = 0xFFFF8000u;

template <class T>
inline void SwapObjects(void* first, void* second) {
  T a, b;
  std::memcpy(&a, first, sizeof a);
  std::memcpy(&b, second, sizeof b);
  std::memcpy(first, &b, sizeof b);
  std::memcpy(second, &a, sizeof a);
}

}  // namespace routines_detail

// ---- Bit tests -------------------------------------------------------------------------

// 1 if the bit is set, else 0.
inline int32_t BT(void* value, int32_t bit) {
  return static_cast<int32_t>((routines_detail::Load32(value) >> (static_cast<uint32_t>(bit) & 31u)) & 1u);
}

// Sets the bit in one atomic read-modify-write; 1 if the call set it, 0 if it was set.
inline int32_t BTS(void* value, int32_t bit) {
  const uint32_t mask = routines_detail::BitMask(bit);
  return (__atomic_fetch_or(routines_detail::AtomicWord(value), mask, __ATOMIC_SEQ_CST) & mask) == 0;
}

// Clears the bit atomically; 1 if the call cleared it, 0 if it was clear.
inline int32_t BTR(void* value, int32_t bit) {
  const uint32_t mask = routines_detail::BitMask(bit);
  return (__atomic_fetch_and(routines_detail::AtomicWord(value), ~mask, __ATOMIC_SEQ_CST) & mask) != 0;
}

// Inverts the bit atomically; 1 if it was set before the call, 0 if it was clear.
inline int32_t BTC(void* value, int32_t bit) {
  const uint32_t mask = routines_detail::BitMask(bit);
  return (__atomic_fetch_xor(routines_detail::AtomicWord(value), mask, __ATOMIC_SEQ_CST) & mask) != 0;
}

// The plain forms: read, change, write back, no lock and no result.
inline void BS(void* value, int32_t bit) {
  routines_detail::Store32(value, routines_detail::Load32(value) | routines_detail::BitMask(bit));
}

inline void BR(void* value, int32_t bit) {
  routines_detail::Store32(value, routines_detail::Load32(value) & ~routines_detail::BitMask(bit));
}

inline void BC(void* value, int32_t bit) {
  routines_detail::Store32(value, routines_detail::Load32(value) ^ routines_detail::BitMask(bit));
}

// ---- Bit scans -------------------------------------------------------------------------

// Index of the lowest set bit; for 0 a negative number from FFFF8000h to FFFF80FFh.
inline int32_t BSF(void* value) {
  const uint32_t v = routines_detail::Load32(value);
  if (v == 0) return static_cast<int32_t>(routines_detail::kNoBitFound);
  return std::countr_zero(v);
}

// Index of the highest set bit; for 0 a negative number from FFFF8000h to FFFF80FFh.
inline int32_t BSR(void* value) {
  const uint32_t v = routines_detail::Load32(value);
  if (v == 0) return static_cast<int32_t>(routines_detail::kNoBitFound);
  return 31 ^ std::countl_zero(v);  // 31 - n for n in 0..31, and one instruction
}

// ---- Rotations and byte order ----------------------------------------------------------

// The value rotated left by count modulo 32; the value itself is left alone.
inline int32_t BROL(void* value, int32_t count) {
  return static_cast<int32_t>(routines_detail::RotateLeft(routines_detail::Load32(value), count));
}

// The value rotated right by count modulo 32; the value itself is left alone.
inline int32_t BROR(void* value, int32_t count) {
  return static_cast<int32_t>(routines_detail::RotateRight(routines_detail::Load32(value), count));
}

// As BROL, and the rotated value is stored back.
inline int32_t BROLS(void* value, int32_t count) {
  const uint32_t rotated = routines_detail::RotateLeft(routines_detail::Load32(value), count);
  routines_detail::Store32(value, rotated);
  return static_cast<int32_t>(rotated);
}

// As BROR, and the rotated value is stored back.
inline int32_t BRORS(void* value, int32_t count) {
  const uint32_t rotated = routines_detail::RotateRight(routines_detail::Load32(value), count);
  routines_detail::Store32(value, rotated);
  return static_cast<int32_t>(rotated);
}

// The value with its four bytes in reverse order; the value itself is left alone.
inline int32_t BSWAP(void* value) {
  return static_cast<int32_t>(__builtin_bswap32(routines_detail::Load32(value)));
}

// ---- Exchanges -------------------------------------------------------------------------

inline void SWAPB(void* first, void* second) { routines_detail::SwapObjects<uint8_t>(first, second); }
inline void SWAPS(void* first, void* second) { routines_detail::SwapObjects<uint16_t>(first, second); }
inline void SWAPL(void* first, void* second) { routines_detail::SwapObjects<uint32_t>(first, second); }

// Exchanges byte i of the first block with byte i of the second, first byte to last.
void SWAPG(void* first, void* second, int32_t length);

// ---- Block moves -----------------------------------------------------------------------

// Rotates the bytes one position towards the start (byte 0 goes to the end).
void GROL(void* block, int32_t length);
// Rotates the bytes one position towards the end (the last byte goes to byte 0).
void GROR(void* block, int32_t length);
// Shifts the bytes towards the start; fill enters at the end. Returns the byte shifted
// out of byte 0 (0 to 255).
int32_t GSHL(void* block, int32_t length, uint8_t fill);
// Shifts the bytes towards the end; fill enters at byte 0. Returns the byte shifted out
// of the last position (0 to 255).
int32_t GSHR(void* block, int32_t length, uint8_t fill);
// Rotates the whole block, read as one big-endian number, left by one bit.
void GBRL(void* block, int32_t length);
// Rotates the whole block, read as one big-endian number, right by one bit.
void GBRR(void* block, int32_t length);

}  // namespace qor::app
