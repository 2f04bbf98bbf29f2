#pragma once
// A fixture that starts every test with both stacks empty, freeing what a previous
// test left behind.
#include <gtest/gtest.h>

#include <string>

#include "runtime/values/decimal_stack.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {

class StacksTest : public ::testing::Test {
 protected:
  void SetUp() override { EmptyStacks(); }
  void TearDown() override { EmptyStacks(); }

  static void EmptyStacks() {
    while (StrCount() > 0) StrDiscard();
    TheDecimalStack().count = 0;
  }

  static std::string TopText() {
    CountedText t = StrTextAtDepth(1);
    return std::string(t.text, static_cast<std::size_t>(t.length));
  }
};

}  // namespace qor::rt
