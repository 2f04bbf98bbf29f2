#pragma once
// A fresh checked heap for each bindings test, so that a census counts exactly the
// blocks the bindings hold; the bindings are cleared and the heap checked afterwards.
#include <gtest/gtest.h>

#include <string_view>

#include "runtime/bindings/bindings.h"
#include "runtime/heap/checked_heap.h"
#include "runtime/heap/heap.h"
#include "runtime/heap/heap_check.h"
#include "runtime/heap/heap_page_source.h"
#include "runtime/locale/locale.h"
#include "runtime/values/variable_reference.h"
#include "tests/runtime/allocator_test_support.h"

namespace qor::rt::testing {

class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetLocale();
    InstallHeap(&heap_);
  }
  void TearDown() override {
    ClearBindings();
    HeapCensus census = CheckHeap(heap_);
    EXPECT_EQ(census.fault, "");
    EXPECT_EQ(census.usedBlocks, leftInUse_) << "blocks still held after clearing the bindings";
    InstallHeap(nullptr);
    ResetLocale();
  }

  size_t BlocksInUse() { return CheckHeap(heap_).usedBlocks; }

  VariableReference* LongRef(int32_t* variable) { return CreateVariableReference(variable, kTypeLong, 4, 0); }
  VariableReference* RefOfType(void* variable, int32_t type, int32_t size) {
    return CreateVariableReference(variable, type, size, 0);
  }

  const VariableReference* Bound(std::string_view name) { return LookUpName(name).variable; }

  size_t leftInUse_ = 0;  // blocks a test keeps on purpose
  ScriptedPageSource pages_;
  CheckedHeap heap_{pages_};
};

}  // namespace qor::rt::testing
