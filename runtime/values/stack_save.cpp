// Save and restore of the value stack and the decimal stack.
#include "runtime/values/stack_save.h"

#include <cstddef>
#include <cstring>

#include "runtime/heap/heap.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

// The saved value stack: the count, then the entries, aligned as entries are.
constexpr std::size_t kValueHeader = alignof(ValueEntry) > sizeof(int32_t) ? alignof(ValueEntry) : sizeof(int32_t);

// A count that cannot be trusted is clamped to what the stack can hold.
int ClampCount(int count, int limit) { return count < 0 ? 0 : (count > limit ? limit : count); }

}  // namespace

void* SaveValueStack() {
  ValueStack& stack = TheValueStack();
  if (stack.count <= 0) return nullptr;
  std::size_t entries = sizeof(ValueEntry) * static_cast<std::size_t>(stack.count);
  auto block = static_cast<char*>(HeapAllocate(kValueHeader + entries));
  if (!block) return nullptr;
  std::memcpy(block, &stack.count, sizeof stack.count);
  std::memcpy(block + kValueHeader, stack.entry, entries);
  return block;
}

void RestoreValueStack(void* saved) {
  ValueStack& stack = TheValueStack();
  if (!saved) {
    stack.count = 0;
    return;
  }
  auto block = static_cast<const char*>(saved);
  int32_t count;
  std::memcpy(&count, block, sizeof count);
  count = ClampCount(count, kValueStackEntries);
  std::memcpy(stack.entry, block + kValueHeader, sizeof(ValueEntry) * static_cast<std::size_t>(count));
  stack.count = count;
  // Inline entries point into their own slot, which is a new one now.
  for (int i = 0; i < count; ++i)
    if (stack.entry[i].kind & kValueInline) stack.entry[i].text = stack.entry[i].buffer;
  HeapFree(saved);
}

void* SaveDecimalStack() {
  DecimalStack& stack = TheDecimalStack();
  if (stack.count == 0) return nullptr;
  std::size_t entries = sizeof(Decimal) * stack.count;
  auto block = static_cast<uint8_t*>(HeapAllocate(1 + entries));
  if (!block) return nullptr;
  block[0] = stack.count;
  std::memcpy(block + 1, stack.entry, entries);
  return block;
}

void RestoreDecimalStack(void* saved) {
  DecimalStack& stack = TheDecimalStack();
  if (!saved) {
    stack.count = 0;
    return;
  }
  auto block = static_cast<const uint8_t*>(saved);
  int count = ClampCount(block[0], kDecimalStackEntries);
  std::memcpy(stack.entry, block + 1, sizeof(Decimal) * static_cast<std::size_t>(count));
  stack.count = static_cast<uint8_t>(count);
  HeapFree(saved);
}

}  // namespace qor::rt
