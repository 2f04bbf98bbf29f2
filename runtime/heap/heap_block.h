#pragma once
// The layout of the allocator's blocks and the tags around them.
//
// A block of S bytes whose user address is p:
//   p-8        trailing tag of the block before (or the region's first byte)
//   p-5        leading tag of this block
//   p-4        32-bit size word S
//   p .. p+S-9 the caller's bytes (S-8 of them)
//   p+S-16     in a free block: the address of its free-list descriptor
//   p+S-8      trailing tag of this block, in the gap before the next block's header
// S is a multiple of 8 and at least 16, and p is 8-byte aligned, so the descriptor
// address (a native pointer) is aligned and fits even the smallest block.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qor::rt::heap {

using Byte = unsigned char;

enum Tag : Byte {
  kTagUsed = 0xA3,      // small block in use
  kTagFree = 0x34,      // small block free
  kTagLarge = 0xE7,     // large block, in a region of its own
  kTagBoundary = 0x17,  // arena boundary: no block before or after
  kTagRegion = 0x23,    // first byte of every region taken from the page source
};

inline constexpr uint32_t kBlockOverhead = 8;
inline constexpr uint32_t kSmallestBlock = 16;
inline constexpr uint32_t kLargestSmallBlock = 0xD000;  // above it, a region of its own
inline constexpr uint32_t kSplitThreshold = 32;         // smaller leftovers stay with the block
inline constexpr std::size_t kArenaBytes = 0x20000;
inline constexpr uint32_t kArenaBlockBytes = 0x1FFF0;   // the one free block of a new arena
inline constexpr std::size_t kArenaFirstBlock = 8;      // its user offset in the arena
inline constexpr std::size_t kLargeRegionExtra = 16;    // a large block's region: S + 16
inline constexpr std::size_t kLargestRequest = 0xFFFFFFF0;

// S for a request of n bytes: (n + 7) rounded down to a multiple of 8, plus 8.
// 0 when n is 0 or S would not fit in 32 bits.
constexpr uint32_t BlockSizeFor(std::size_t n) {
  if (n == 0 || n > kLargestRequest) return 0;
  return static_cast<uint32_t>(((n + 7) & ~std::size_t{7}) + kBlockOverhead);
}

struct FreeDescriptor;

inline Byte LeadingTag(const Byte* p) { return p[-5]; }
inline void SetLeadingTag(Byte* p, Byte tag) { p[-5] = tag; }
inline Byte TrailingTag(const Byte* p, uint32_t size) { return p[size - 8]; }
inline void SetTrailingTag(Byte* p, uint32_t size, Byte tag) { p[size - 8] = tag; }
// The trailing tag of the block that ends where p's header begins.
inline Byte TagBefore(const Byte* p) { return p[-8]; }
// The leading tag of the block that follows p.
inline Byte TagAfter(const Byte* p, uint32_t size) { return p[size - 5]; }

inline uint32_t SizeWord(const Byte* p) {
  uint32_t size;
  std::memcpy(&size, p - 4, sizeof size);
  return size;
}
inline void SetSizeWord(Byte* p, uint32_t size) { std::memcpy(p - 4, &size, sizeof size); }

// The descriptor address stored at the end of a free block of `size` bytes at p.
inline FreeDescriptor* DescriptorAt(const Byte* p, uint32_t size) {
  FreeDescriptor* descriptor;
  std::memcpy(&descriptor, p + size - 16, sizeof descriptor);
  return descriptor;
}
inline void SetDescriptorAt(Byte* p, uint32_t size, FreeDescriptor* descriptor) {
  std::memcpy(p + size - 16, &descriptor, sizeof descriptor);
}
// The descriptor of the free block that ends where p's header begins.
inline FreeDescriptor* DescriptorBefore(const Byte* p) {
  FreeDescriptor* descriptor;
  std::memcpy(&descriptor, p - 16, sizeof descriptor);
  return descriptor;
}

inline void MarkUsed(Byte* p, uint32_t size, Byte tag = kTagUsed) {
  SetLeadingTag(p, tag);
  SetSizeWord(p, size);
  SetTrailingTag(p, size, tag);
}

inline void MarkFree(Byte* p, uint32_t size, FreeDescriptor* descriptor) {
  SetLeadingTag(p, kTagFree);
  SetSizeWord(p, size);
  SetTrailingTag(p, size, kTagFree);
  SetDescriptorAt(p, size, descriptor);
}

}  // namespace qor::rt::heap
