// Pops of the value stack into STRING, CSTRING, PSTRING and descriptors.
#include "runtime/values/value_stack_assign.h"

#include <algorithm>
#include <cstring>

#include "runtime/heap/heap.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

constexpr unsigned char kBlank = 0x20;
constexpr unsigned char kLowest = 0x00;
constexpr unsigned char kHighest = 0xFF;

// A popped entry whose text is null: one of the string constants.
bool IsNullText(const ValueEntry& e) { return !(e.kind & kValueInline) && !e.text; }

unsigned char NullFill(int32_t length) {
  if (length == 0) return kBlank;
  return length < 0 ? kLowest : kHighest;
}

}  // namespace

void StrPopIntoString(void* destination, int32_t size) {
  ValueEntry e = StrTakeTop();
  auto out = static_cast<unsigned char*>(destination);
  if (out && size > 0) {
    if (IsNullText(e)) {
      std::memset(out, NullFill(e.length), static_cast<std::size_t>(size));
    } else {
      CountedText t = TextOf(e);
      std::size_t copied = static_cast<std::size_t>(std::min(t.length, size));
      std::memcpy(out, t.text, copied);
      std::memset(out + copied, kBlank, static_cast<std::size_t>(size) - copied);
    }
  }
  ReleaseValueEntry(e);
}

void StrPopIntoCString(void* destination, int32_t size) {
  ValueEntry e = StrTakeTop();
  auto out = static_cast<unsigned char*>(destination);
  if (out && size > 0) {
    std::size_t room = static_cast<std::size_t>(size - 1);
    std::size_t copied = 0;
    if (IsNullText(e)) {
      if (e.length > 0) {
        std::memset(out, kHighest, room);
        copied = room;
      }
    } else {
      CountedText t = TextOf(e);
      copied = std::min(static_cast<std::size_t>(t.length), room);
      std::memcpy(out, t.text, copied);
    }
    out[copied] = 0;
  }
  ReleaseValueEntry(e);
}

void StrPopIntoPString(void* destination, int32_t size) {
  ValueEntry e = StrTakeTop();
  auto out = static_cast<unsigned char*>(destination);
  if (out && size > 0) {
    std::size_t room = std::min<std::size_t>(static_cast<std::size_t>(size - 1), 255);
    std::size_t copied = room;
    if (IsNullText(e)) {
      std::memset(out + 1, NullFill(e.length), room);
    } else {
      CountedText t = TextOf(e);
      copied = std::min(static_cast<std::size_t>(t.length), room);
      std::memcpy(out + 1, t.text, copied);
    }
    out[0] = static_cast<unsigned char>(copied);
  }
  ReleaseValueEntry(e);
}

void StrPopIntoDescriptor(StringDescriptor* destination) {
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  char* block = nullptr;
  int32_t length = 0;
  if (e.kind & kValueOwned) {
    block = e.text;  // handed over: not freed below
    length = t.length;
    e.kind = kValueBorrowed;
  } else if (t.length > 0) {
    block = static_cast<char*>(HeapAllocate(static_cast<std::size_t>(t.length)));
    if (block) {
      std::memcpy(block, t.text, static_cast<std::size_t>(t.length));
      length = t.length;
    }
  }
  ReleaseValueEntry(e);
  if (destination) {
    destination->text = block;
    destination->length = length;
  } else {
    HeapFree(block);
  }
}

}  // namespace qor::rt
