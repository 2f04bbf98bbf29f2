// In-place and combining operations on the texts of the value stack.
#include "runtime/values/value_stack_edit.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "runtime/heap/heap.h"
#include "runtime/locale/case_tables.h"
#include "runtime/locale/collation.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

void PushBlockOrEmpty(char* block, std::size_t length) {
  if (block)
    StrPushOwned(block, static_cast<int32_t>(length));
  else
    StrPushEmpty();
}

int PopAndCompare(bool overShorterOnly) {
  ValueEntry top = StrTakeTop();
  ValueEntry second = StrTakeTop();
  CountedText a = TextOf(second), b = TextOf(top);
  int32_t aLength = a.length, bLength = b.length;
  if (overShorterOnly) aLength = bLength = std::min(a.length, b.length);
  int result = CompareStrings(std::string_view(a.text, static_cast<std::size_t>(aLength)),
                              std::string_view(b.text, static_cast<std::size_t>(bLength)));
  ReleaseValueEntry(top);
  ReleaseValueEntry(second);
  return result;
}

// 1-based start after the conventions: negative counts from the end, 0 means 1.
int64_t EffectiveStart(int32_t start, int32_t length) {
  int64_t s = start;
  if (s < 0) s += int64_t{length} + 1;
  return std::max<int64_t>(s, 1);
}

}  // namespace

void StrSetLength(int32_t n) {
  ValueEntry& e = StrTopEntry();
  CountedText t = TextOf(e);
  n = std::max(n, 0);
  if (t.length >= n) {
    e.length = n;
    return;
  }
  char* block = static_cast<char*>(HeapAllocate(static_cast<std::size_t>(n)));
  if (!block) return;
  std::memcpy(block, t.text, static_cast<std::size_t>(t.length));
  std::memset(block + t.length, ' ', static_cast<std::size_t>(n - t.length));
  ReleaseValueEntry(e);
  e.kind = kValueOwned;
  e.text = block;
  e.length = n;
}

void StrClip() {
  ValueEntry& e = StrTopEntry();
  CountedText t = TextOf(e);
  int32_t n = t.length;
  while (n > 0 && t.text[n - 1] == ' ') --n;
  e.length = n;
}

void StrUpper() {
  StrMakeSelfContained();
  ValueEntry& e = StrTopEntry();
  CountedText t = TextOf(e);
  auto text = reinterpret_cast<uint8_t*>(const_cast<char*>(t.text));
  for (int32_t i = 0; i < t.length; ++i) text[i] = UpperChar(text[i]);
}

void StrConcatenate() {
  ValueEntry top = StrTakeTop();
  ValueEntry second = StrTakeTop();
  CountedText a = TextOf(second), b = TextOf(top);
  std::size_t length = static_cast<std::size_t>(a.length) + static_cast<std::size_t>(b.length);
  char* block = static_cast<char*>(HeapAllocate(length));
  if (block) {
    std::memcpy(block, a.text, static_cast<std::size_t>(a.length));
    std::memcpy(block + a.length, b.text, static_cast<std::size_t>(b.length));
  }
  ReleaseValueEntry(top);
  ReleaseValueEntry(second);
  PushBlockOrEmpty(block, length);
}

int StrCompare() { return PopAndCompare(false); }
int StrCompareShorter() { return PopAndCompare(true); }

void StrSubstring(int32_t start, int32_t length) {
  ValueEntry& e = StrTopEntry();
  CountedText t = TextOf(e);
  int64_t first = EffectiveStart(start, t.length) - 1;  // 0-based
  int64_t available = std::max<int64_t>(int64_t{t.length} - first, 0);
  int32_t count = static_cast<int32_t>(std::clamp<int64_t>(length, 0, available));
  if (count == 0) {
    ReleaseValueEntry(e);
    return;
  }
  const char* from = t.text + first;
  if (e.kind & kValueInline) {
    std::memmove(e.buffer, from, static_cast<std::size_t>(count));
  } else if ((e.kind & kValueOwned) && first != 0) {
    // The block must keep its own start to be freed: copy the slice.
    if (!StrReplaceTopByBlock(from, static_cast<std::size_t>(count))) return;
  } else {
    e.text = const_cast<char*>(from);
  }
  e.length = count;
}

void StrRepeat(int32_t n) {
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  char* block = n > 0 ? static_cast<char*>(HeapAllocate(static_cast<std::size_t>(n))) : nullptr;
  if (block) {
    if (t.length == 0) {
      std::memset(block, ' ', static_cast<std::size_t>(n));
    } else {
      for (int32_t filled = 0; filled < n;) {
        int32_t piece = std::min(t.length, n - filled);
        std::memcpy(block + filled, t.text, static_cast<std::size_t>(piece));
        filled += piece;
      }
    }
  }
  ReleaseValueEntry(e);
  PushBlockOrEmpty(block, block ? static_cast<std::size_t>(n) : 0);
}

}  // namespace qor::rt
