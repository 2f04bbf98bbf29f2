// A heap with no room: a BIND that cannot get its records leaves the binding out,
// releases the reference and keeps no partial tree; a rebinding needs no room; a
// scope pushed without room for its record still pairs with its POPSCOPE.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/runtime/bindings/binding_fixture.h"

namespace qor::rt::testing {
namespace {

class AllocationFailureTest : public BindingTest {
 protected:
  void SetUp() override {
    BindingTest::SetUp();
    pages_.AllowRegions(2);  // the free list's pool and one arena, then nothing
  }
  void TearDown() override {
    FreeFillers();
    BindingTest::TearDown();
  }

  // Takes every block the heap can still give.
  void FillHeap() {
    while (void* p = HeapAllocate(48)) fillers_.push_back(p);
    while (void* p = HeapAllocate(8)) fillers_.push_back(p);
  }
  // Frees the first n fillers: neighbours of 48 bytes, so they merge into one hole.
  void FreeSomeFillers(size_t n) {
    n = std::min(n, fillers_.size());
    for (size_t i = 0; i < n; ++i) HeapFree(fillers_[i]);
    fillers_.erase(fillers_.begin(), fillers_.begin() + static_cast<std::ptrdiff_t>(n));
  }
  void FreeFillers() { FreeSomeFillers(fillers_.size()); }

  std::vector<void*> fillers_;
};

TEST_F(AllocationFailureTest, NoRoomForTheTreeLeavesTheBindingOutAndReleasesTheReference) {
  int32_t v = 0;
  VariableReference* reference = LongRef(&v);
  FillHeap();
  size_t full = BlocksInUse();
  BindName("X", reference);
  EXPECT_EQ(BlocksInUse(), full - 1) << "the reference is released";
  EXPECT_FALSE(LookUpName("X"));
  EXPECT_EQ(InspectBindings().records, 0u);
}

TEST_F(AllocationFailureTest, RoomForPartOfTheTreeKeepsNoneOfIt) {
  int32_t v = 0;
  VariableReference* reference = LongRef(&v);
  FillHeap();
  FreeSomeFillers(10);  // room for a few records, not for all 51
  size_t before = BlocksInUse();
  ASSERT_GE(CheckHeap(heap_).largestFreeBlock, 256u) << "room for the first records of the tree";
  BindName("X", reference);
  EXPECT_EQ(InspectBindings().records, 0u);
  EXPECT_EQ(BlocksInUse(), before - 1);
}

TEST_F(AllocationFailureTest, NoRoomForANewNameButARebindingStillWorks) {
  int32_t first = 0, second = 0, third = 0;
  BindName("KEPT", LongRef(&first));
  VariableReference* rebind = LongRef(&second);
  VariableReference* fresh = LongRef(&third);
  FillHeap();
  size_t full = BlocksInUse();
  BindName("NEW", fresh);
  EXPECT_FALSE(LookUpName("NEW"));
  EXPECT_EQ(BlocksInUse(), full - 1);
  BindName("kept", rebind);
  EXPECT_EQ(Bound("KEPT")->address, &second);
  EXPECT_EQ(BlocksInUse(), full - 2) << "the first reference is released";
}

TEST_F(AllocationFailureTest, ScopePushedWithoutRoomStillPairsWithItsPop) {
  int32_t v = 0;
  BindName("OUTER", LongRef(&v));
  VariableReference* inner = LongRef(&v);
  FillHeap();
  PushScope(0);
  EXPECT_EQ(InspectBindings().scopes, 1u);
  BindName("INNER", inner);  // no tree of its own: left out
  EXPECT_FALSE(LookUpName("INNER"));
  FreeFillers();
  PushScope(0);  // nested above a scope without a record: no record either
  PopScope();
  PopScope();
  EXPECT_EQ(InspectBindings().scopes, 0u);
  EXPECT_TRUE(LookUpName("OUTER"));
}

}  // namespace
}  // namespace qor::rt::testing
