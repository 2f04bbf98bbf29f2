#include "runtime/heap/heap_regions.h"

#include <algorithm>
#include <cstdint>

namespace qor::rt::heap {
namespace {

constexpr std::size_t kLargeUserOffset = 8;

std::size_t LargeRegionBytes(uint32_t size) { return std::size_t{size} + kLargeRegionExtra; }

void FormatArena(Byte* base) {
  base[1] = kTagBoundary;
  Byte* block = base + kArenaFirstBlock;
  SetLeadingTag(block, kTagBoundary);  // replaced when the block is tagged free
  SetSizeWord(block, 0);
  Byte* end = block + kArenaBlockBytes;  // where a following block would start
  SetLeadingTag(end, kTagBoundary);
  SetSizeWord(end, 0);
  std::memset(base + kArenaBytes - 4, 0, 4);
}

}  // namespace

Regions::~Regions() {
  for (Byte* base : arenas_) pages_.ReleaseRegion(base, kArenaBytes);
  for (const Byte* base : largeRegions_) {
    Byte* p = const_cast<Byte*>(base) + kLargeUserOffset;
    pages_.ReleaseRegion(const_cast<Byte*>(base), LargeRegionBytes(SizeWord(p)));
  }
}

Byte* Regions::TakeRegion(std::size_t bytes) {
  auto* base = static_cast<Byte*>(pages_.TakeRegion(bytes));
  if (base != nullptr) base[0] = kTagRegion;
  return base;
}

Byte* Regions::AddArena() {
  Byte* base = TakeRegion(kArenaBytes);
  if (base == nullptr) return nullptr;
  try {
    arenas_.insert(std::upper_bound(arenas_.begin(), arenas_.end(), base), base);
  } catch (...) {  // the bookkeeping itself could not grow
    pages_.ReleaseRegion(base, kArenaBytes);
    return nullptr;
  }
  FormatArena(base);
  return base + kArenaFirstBlock;
}

void Regions::DropArena(Byte* block) {
  Byte* base = block - kArenaFirstBlock;
  arenas_.erase(std::find(arenas_.begin(), arenas_.end(), base));
  pages_.ReleaseRegion(base, kArenaBytes);
}

Byte* Regions::AddLargeBlock(uint32_t size) {
  Byte* base = TakeRegion(LargeRegionBytes(size));
  if (base == nullptr) return nullptr;
  try {
    largeRegions_.insert(base);
  } catch (...) {
    pages_.ReleaseRegion(base, LargeRegionBytes(size));
    return nullptr;
  }
  Byte* p = base + kLargeUserOffset;
  MarkUsed(p, size, kTagLarge);
  return p;
}

bool Regions::IsLargeBlock(const Byte* p) const {
  return largeRegions_.contains(p - kLargeUserOffset);
}

void Regions::DropLargeBlock(Byte* p) {
  Byte* base = p - kLargeUserOffset;
  const std::size_t bytes = LargeRegionBytes(SizeWord(p));
  largeRegions_.erase(base);
  pages_.ReleaseRegion(base, bytes);
}

}  // namespace qor::rt::heap
