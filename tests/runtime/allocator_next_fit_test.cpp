// The allocator against a plain next-fit model: random workloads run on both, and every
// allocation must return the address the model's hole-by-hole walk from the rover
// predicts, with the rover left on the same hole. The workloads include ones that
// leave long runs of small holes, so that searches must pass many holes too small.
#include <cstdint>
#include <random>
#include <vector>

#include "allocator_test_support.h"
#include "next_fit_model.h"

namespace qor::rt::testing {
namespace {

using Address = NextFitModel::Address;

// Hands out OS regions and remembers the arenas among them, in the order taken.
class ArenaRecorder : public PageSource {
 public:
  void* TakeRegion(std::size_t bytes) override {
    void* region = OsPageSource().TakeRegion(bytes);
    if (region != nullptr && bytes == heap::kArenaBytes) arenas_.push_back(reinterpret_cast<Address>(region));
    return region;
  }
  void ReleaseRegion(void* base, std::size_t bytes) override { OsPageSource().ReleaseRegion(base, bytes); }

  // The block address of the model's next arena; 0 when the heap took no further one.
  Address NextArenaBlock() {
    if (handedOut_ == arenas_.size()) return 0;
    return arenas_[handedOut_++] + heap::kArenaFirstBlock;
  }

 private:
  std::vector<Address> arenas_;
  std::size_t handedOut_ = 0;
};

struct Mix {
  int allocatePercent;
  int reallocatePercent;     // the rest frees
  std::size_t smallest;
  std::size_t largest;
  std::size_t bigRequestEvery;  // 0: none; else every so many requests is 2,000..53,240 bytes
};

class Twins {
 public:
  explicit Twins(uint32_t seed) : random_(seed) {}

  void Allocate(std::size_t n) {
    void* real = heap_.Allocate(n);
    const Address predicted = model_.Allocate(n);
    ASSERT_EQ(reinterpret_cast<Address>(real), predicted) << "allocate " << n << " at step " << steps_;
    live_.push_back(real);
    Compare();
  }

  void FreeAt(std::size_t index) {
    void* p = live_[index];
    live_[index] = live_.back();
    live_.pop_back();
    heap_.Free(p);
    model_.Free(reinterpret_cast<Address>(p));
    Compare();
  }

  void ReallocateAt(std::size_t index, std::size_t n) {
    void* real = heap_.Reallocate(live_[index], n);
    const Address predicted = model_.Reallocate(reinterpret_cast<Address>(live_[index]), n);
    ASSERT_EQ(reinterpret_cast<Address>(real), predicted) << "reallocate to " << n << " at step " << steps_;
    live_[index] = real;
    Compare();
  }

  void Run(const Mix& mix, int steps) {
    for (int i = 0; i < steps && !::testing::Test::HasFailure(); ++i) {
      const int choice = Pick(0, 99);
      if (live_.empty() || choice < mix.allocatePercent) {
        Allocate(RequestSize(mix));
      } else if (choice < mix.allocatePercent + mix.reallocatePercent) {
        ReallocateAt(PickLive(), RequestSize(mix));
      } else {
        FreeAt(PickLive());
      }
    }
  }

  // Fills the heap with small blocks, then frees every other one: a long stretch of
  // small holes that larger requests must pass over.
  void Perforate(std::size_t count) {
    const std::size_t first = live_.size();
    for (std::size_t i = 0; i < count && !::testing::Test::HasFailure(); ++i) Allocate(Pick(1, 64));
    for (std::size_t i = live_.size(); i-- > first && !::testing::Test::HasFailure();)
      if (i % 2 == 0) FreeAt(i);
  }

  void FreeAll() {
    while (!live_.empty() && !::testing::Test::HasFailure()) FreeAt(live_.size() - 1);
  }

  std::size_t HoleCount() const { return model_.HoleCount(); }
  const CheckedHeap& Heap() const { return heap_; }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::size_t PickLive() { return static_cast<std::size_t>(Pick(0, static_cast<int>(live_.size()) - 1)); }

  std::size_t RequestSize(const Mix& mix) {
    ++requests_;
    if (mix.bigRequestEvery != 0 && requests_ % mix.bigRequestEvery == 0) return Pick(2'000, 53'240);
    return Pick(static_cast<int>(mix.smallest), static_cast<int>(mix.largest));
  }

  void Compare() {
    ++steps_;
    const heap::FreeDescriptor* rover = heap_.GetFreeList().Rover();
    const Address roverStart = rover == heap_.GetFreeList().Head() ? 0 : reinterpret_cast<Address>(rover->block);
    ASSERT_EQ(roverStart, model_.RoverStart()) << "rover after step " << steps_;
    if (steps_ % 97 == 0) {
      ASSERT_EQ(heap_.GetFreeList().CheckRuns(), "") << "after step " << steps_;
    }
  }

  std::mt19937 random_;
  ArenaRecorder pages_;
  CheckedHeap heap_{pages_};
  NextFitModel model_{[this] { return pages_.NextArenaBlock(); }};
  std::vector<void*> live_;
  std::size_t requests_ = 0;
  int steps_ = 0;
};

class AllocatorNextFit : public ::testing::TestWithParam<uint32_t> {
 protected:
  // Checks the heap as the workload left it, then frees everything (still against the
  // model) and checks it again.
  void ExpectConsistentWhileFullAndEmpty(Twins& twins) {
    ExpectConsistent(twins);
    twins.FreeAll();
    ExpectConsistent(twins);
  }

  void ExpectConsistent(const Twins& twins) {
    EXPECT_EQ(CheckHeap(twins.Heap()).fault, "");
    EXPECT_EQ(twins.Heap().GetFreeList().CheckRuns(), "");
  }
};

TEST_P(AllocatorNextFit, ChurnOfSmallBlocksPicksTheModelsAddresses) {
  Twins twins(GetParam());
  for (int i = 0; i < 2000 && !HasFailure(); ++i) twins.Allocate(16 + i % 241);
  twins.Run(Mix{50, 0, 16, 256, 0}, 40'000);
  ExpectConsistentWhileFullAndEmpty(twins);
}

TEST_P(AllocatorNextFit, MixedSizesWithReallocationPickTheModelsAddresses) {
  Twins twins(GetParam());
  twins.Run(Mix{45, 20, 1, 4000, 40}, 30'000);
  ExpectConsistentWhileFullAndEmpty(twins);
}

TEST_P(AllocatorNextFit, SearchesPastLongStretchesOfSmallHolesPickTheModelsAddresses) {
  Twins twins(GetParam());
  twins.Perforate(6000);
  ASSERT_GT(twins.HoleCount(), 2500u);
  twins.Run(Mix{55, 10, 100, 3000, 25}, 20'000);
  twins.Perforate(3000);
  twins.Run(Mix{40, 10, 1, 600, 0}, 20'000);
  ExpectConsistentWhileFullAndEmpty(twins);
}

INSTANTIATE_TEST_SUITE_P(Seeds, AllocatorNextFit, ::testing::Values(7u, 1234u, 20261208u));

}  // namespace
}  // namespace qor::rt::testing
