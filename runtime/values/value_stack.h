#pragma once
// The value stack (also called the string stack): 32 counted strings through which
// generated code hands texts, numbers as text, property numbers and values, message
// texts and file names to runtime entry points.
//
// Each entry is borrowed (the text is the caller's storage, never freed by the
// stack), owned (a block of the runtime heap, freed when popped) or inline (the text
// lives in the entry's own 20-byte buffer). Text is counted and may hold any byte.
// A null text with length 0 is the empty string; a null text with a negative or
// positive length stands for the lowest or highest string constant.
//
// A push on a full stack is ignored. A pop, or any operation on an entry the stack
// does not hold, raises run-time error 501 "String Stack Error" instead of touching
// memory outside the stack.
#include <cstddef>
#include <cstdint>

namespace qor::rt {

inline constexpr int kValueStackEntries = 32;
inline constexpr int kInlineTextSize = 20;

// Bit 0 means owned, bit 1 inline.
inline constexpr uint32_t kValueBorrowed = 0;
inline constexpr uint32_t kValueOwned = 1;
inline constexpr uint32_t kValueInline = 2;

struct ValueEntry {
  uint32_t kind;
  char* text;  // for an inline entry: the entry's own buffer
  int32_t length;
  char buffer[kInlineTextSize];
};

struct ValueStack {
  int32_t count;
  ValueEntry entry[kValueStackEntries];
};

ValueStack& TheValueStack();

// A text as the stack hands it out: never null when length > 0, never a negative
// length (the lowest/highest markers read as empty here).
struct CountedText {
  const char* text;
  int32_t length;
};

int StrCount();
// The entry at `depth` (1 is the top); raises 501 when there is none.
const ValueEntry& StrEntryAtDepth(int depth);
CountedText StrTextAtDepth(int depth);
CountedText TextOf(const ValueEntry& entry);

void StrPushBorrowed(const void* address, int32_t length);  // null forces length 0
void StrPushOwned(void* block, int32_t length);             // the stack now owns the block
void StrPushCString(const char* text);                      // then made self-contained
void StrPushEmpty();
// A null text with the given length: negative for the lowest string constant,
// positive for the highest.
void StrPushNullText(int32_t length);
// A copy of the text: inline when it fits the buffer, else an owned block.
void StrPushCopy(const char* text, std::size_t length);
// A copy of the text in a new owned block, whatever its length (the empty string
// when the heap has no room).
void StrPushOwnedCopy(const char* text, std::size_t length);

// Removes the top entry and hands it over as it is: the caller now owns an owned
// block (free it with ReleaseValueEntry) and reads the text through TextOf.
ValueEntry StrTakeTop();
void ReleaseValueEntry(ValueEntry& entry);

void StrDiscard();
int32_t StrPopLength();
int32_t StrTopLength();
// A borrowed top entry of at most 20 bytes is copied into the entry's buffer; a
// longer one into a new owned block.
void StrMakeSelfContained();
// Moves the entry `depth` places below the top to the top; the ones above it move
// down by one.
void StrRoll(int32_t depth);

// The top entry for in-place edits; raises 501 when the stack is empty.
ValueEntry& StrTopEntry();
// Replaces the top entry's text by a copy in a new owned block (or the empty text
// when length is 0), freeing the old block if the entry owned one. Returns false,
// leaving the entry as it was, when the block cannot be had.
bool StrReplaceTopByBlock(const char* text, std::size_t length);

}  // namespace qor::rt
