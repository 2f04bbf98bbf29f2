#include "os/memory_region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace qor::os {
namespace {

TEST(MemoryRegion, IsPageAlignedZeroFilledAndWritable) {
  constexpr std::size_t kBytes = 0x20000;
  auto* base = static_cast<unsigned char*>(ReserveRegion(kBytes));
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(base) % PageSize(), 0u);
  EXPECT_EQ(base[0], 0);
  EXPECT_EQ(base[kBytes - 1], 0);
  std::memset(base, 0x5A, kBytes);
  EXPECT_EQ(base[kBytes / 2], 0x5A);
  ReleaseRegion(base, kBytes);
}

TEST(MemoryRegion, OddSizesAreRoundedUpToPages) {
  auto* base = static_cast<unsigned char*>(ReserveRegion(56'000));
  ASSERT_NE(base, nullptr);
  base[55'999] = 1;  // the last byte asked for is ours
  ReleaseRegion(base, 56'000);
}

TEST(MemoryRegion, ZeroBytesAndImpossibleSizesGiveNull) {
  EXPECT_EQ(ReserveRegion(0), nullptr);
  EXPECT_EQ(ReserveRegion(~std::size_t{0} - 4096), nullptr);
  ReleaseRegion(nullptr, 100);  // ignored
}

TEST(MemoryRegion, PageSizeIsAPowerOfTwo) {
  const std::size_t size = PageSize();
  EXPECT_GE(size, 4096u);
  EXPECT_EQ(size & (size - 1), 0u);
}

}  // namespace
}  // namespace qor::os
