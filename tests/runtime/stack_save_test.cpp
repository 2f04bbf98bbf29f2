// Saving and restoring both stacks, as a switch between language threads does.
#include "runtime/values/stack_save.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/heap/heap.h"
#include "tests/runtime/stack_test_support.h"

namespace qor::rt {
namespace {

using StackSaveTest = StacksTest;

TEST_F(StackSaveTest, AnEmptyStackSavesAsNull) {
  EXPECT_EQ(SaveValueStack(), nullptr);
  EXPECT_EQ(SaveDecimalStack(), nullptr);
  StrPushCString("x");
  DecPushLong(1);
  RestoreValueStack(nullptr);
  RestoreDecimalStack(nullptr);
  EXPECT_EQ(StrCount(), 0);
  EXPECT_EQ(DecimalStackCount(), 0);
}

TEST_F(StackSaveTest, EachThreadGetsItsOwnStacksBack) {
  auto block = static_cast<char*>(HeapAllocate(30));
  std::memset(block, 'o', 30);
  StrPushOwned(block, 30);
  StrPushCString("inline");
  DecPushText("1.5");
  DecPushText("-2");

  void* values = SaveValueStack();
  void* decimals = SaveDecimalStack();
  EXPECT_EQ(StrCount(), 2);  // saving leaves the stack as it was
  ASSERT_NE(values, nullptr);

  // The other thread runs with empty stacks and leaves different ones.
  RestoreValueStack(nullptr);
  RestoreDecimalStack(nullptr);
  StrPushCString("other");
  StrPushCString("other 2");
  StrPushCString("other 3");
  DecPushLong(7);
  EmptyStacks();

  RestoreValueStack(values);
  RestoreDecimalStack(decimals);
  ASSERT_EQ(StrCount(), 2);
  EXPECT_EQ(TopText(), "inline");
  EXPECT_EQ(StrEntryAtDepth(1).text, StrEntryAtDepth(1).buffer);
  EXPECT_EQ(StrEntryAtDepth(2).text, block);
  ASSERT_EQ(DecimalStackCount(), 2);
  DecAdd();
  EXPECT_EQ(DecPopLong(), 0);  // -0.5 truncates to 0
}

TEST_F(StackSaveTest, TheSavedDecimalStackIsByteExact) {
  DecPushLong(12);
  auto block = static_cast<uint8_t*>(SaveDecimalStack());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block[0], 1);
  EXPECT_EQ(block[1 + 32], 2);       // units digit
  EXPECT_EQ(block[1 + 33], 1);       // tens digit
  EXPECT_EQ(block[1 + 64], 0);       // sign
  EXPECT_EQ(block[1 + 65], 32);      // low
  EXPECT_EQ(block[1 + 66], 33);      // high
  HeapFree(block);
}

}  // namespace
}  // namespace qor::rt
