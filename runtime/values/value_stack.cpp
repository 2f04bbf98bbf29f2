// The value stack: entries, pushes, pops, and the moves between entries.
#include "runtime/values/value_stack.h"

#include <cstring>

#include "runtime/heap/heap.h"
#include "runtime/values/stack_error.h"

namespace qor::rt {
namespace {

ValueStack theStack{};

bool IsOwned(const ValueEntry& e) { return (e.kind & kValueOwned) != 0; }
bool IsInline(const ValueEntry& e) { return (e.kind & kValueInline) != 0; }

// The slot for a new entry, or null when the stack is full (the push is ignored).
ValueEntry* NewSlot() {
  if (theStack.count >= kValueStackEntries) return nullptr;
  return &theStack.entry[theStack.count++];
}

void SetInline(ValueEntry& e, const char* text, std::size_t length) {
  e.kind = kValueInline;
  if (length) std::memcpy(e.buffer, text, length);
  e.text = e.buffer;
  e.length = static_cast<int32_t>(length);
}

}  // namespace

ValueStack& TheValueStack() { return theStack; }

int StrCount() { return theStack.count; }

const ValueEntry& StrEntryAtDepth(int depth) {
  if (depth < 1 || depth > theStack.count) RaiseStackError();
  return theStack.entry[theStack.count - depth];
}

CountedText TextOf(const ValueEntry& entry) {
  const char* text = IsInline(entry) ? entry.buffer : entry.text;
  if (!text || entry.length <= 0) return {"", 0};
  return {text, entry.length};
}

CountedText StrTextAtDepth(int depth) { return TextOf(StrEntryAtDepth(depth)); }

ValueEntry& StrTopEntry() {
  if (theStack.count < 1) RaiseStackError();
  return theStack.entry[theStack.count - 1];
}

void StrPushBorrowed(const void* address, int32_t length) {
  ValueEntry* e = NewSlot();
  if (!e) return;
  e->kind = kValueBorrowed;
  e->text = static_cast<char*>(const_cast<void*>(address));
  e->length = address ? length : 0;
}

void StrPushOwned(void* block, int32_t length) {
  ValueEntry* e = NewSlot();
  if (!e) {
    HeapFree(block);  // the stack was given the block: it must not leak
    return;
  }
  e->kind = block ? kValueOwned : kValueBorrowed;
  e->text = static_cast<char*>(block);
  e->length = block ? length : 0;
}

void StrPushCString(const char* text) {
  if (theStack.count >= kValueStackEntries) return;
  StrPushBorrowed(text, text ? static_cast<int32_t>(std::strlen(text)) : 0);
  StrMakeSelfContained();
}

void StrPushEmpty() { StrPushBorrowed(nullptr, 0); }

void StrPushNullText(int32_t length) {
  ValueEntry* e = NewSlot();
  if (!e) return;
  e->kind = kValueBorrowed;
  e->text = nullptr;
  e->length = length;
}

void StrPushCopy(const char* text, std::size_t length) {
  if (theStack.count >= kValueStackEntries) return;
  if (length <= static_cast<std::size_t>(kInlineTextSize)) {
    SetInline(*NewSlot(), text, length);
    return;
  }
  StrPushOwnedCopy(text, length);
}

void StrPushOwnedCopy(const char* text, std::size_t length) {
  if (theStack.count >= kValueStackEntries) return;
  void* block = HeapAllocate(length);
  if (!block) {
    StrPushEmpty();
    return;
  }
  std::memcpy(block, text, length);
  StrPushOwned(block, static_cast<int32_t>(length));
}

ValueEntry StrTakeTop() {
  ValueEntry e = StrTopEntry();
  --theStack.count;
  if (IsInline(e)) e.text = nullptr;  // the buffer moved with the copy; read it via TextOf
  return e;
}

void ReleaseValueEntry(ValueEntry& entry) {
  if (IsOwned(entry)) HeapFree(entry.text);
  entry.kind = kValueBorrowed;
  entry.text = nullptr;
  entry.length = 0;
}

void StrDiscard() {
  ValueEntry e = StrTakeTop();
  ReleaseValueEntry(e);
}

int32_t StrPopLength() {
  int32_t length = TextOf(StrTopEntry()).length;
  StrDiscard();
  return length;
}

int32_t StrTopLength() { return TextOf(StrTopEntry()).length; }

void StrMakeSelfContained() {
  ValueEntry& e = StrTopEntry();
  if (e.kind != kValueBorrowed || !e.text) return;
  CountedText t = TextOf(e);
  if (t.length <= kInlineTextSize)
    SetInline(e, t.text, static_cast<std::size_t>(t.length));
  else
    StrReplaceTopByBlock(t.text, static_cast<std::size_t>(t.length));
}

bool StrReplaceTopByBlock(const char* text, std::size_t length) {
  ValueEntry& e = StrTopEntry();
  void* block = nullptr;
  if (length) {
    block = HeapAllocate(length);
    if (!block) return false;
    std::memmove(block, text, length);
  }
  ReleaseValueEntry(e);
  e.kind = block ? kValueOwned : kValueBorrowed;
  e.text = static_cast<char*>(block);
  e.length = static_cast<int32_t>(length);
  return true;
}

void StrRoll(int32_t depth) {
  if (depth < 0 || depth >= theStack.count) RaiseStackError();
  if (depth == 0) return;
  ValueEntry* top = &theStack.entry[theStack.count - 1];
  ValueEntry moved = *(top - depth);
  std::memmove(top - depth, top - depth + 1, sizeof(ValueEntry) * static_cast<std::size_t>(depth));
  *top = moved;
  // Inline entries point at their own buffer: every moved one points anew.
  for (ValueEntry* e = top - depth; e <= top; ++e)
    if (IsInline(*e)) e->text = e->buffer;
}

}  // namespace qor::rt
