#pragma once
// Saving and restoring the two stacks, as a switch between language threads does:
// each thread sees stacks of its own.
namespace qor::rt {

// Copies the count and every entry in use into one new heap block and leaves the
// stack as it was; null when the stack is empty (or the heap has no room). Owned
// blocks are not copied: they belong to whichever of the stack and the copy is
// restored and popped.
void* SaveValueStack();
// Replaces the whole stack by the saved copy and frees the block; null empties the
// stack. Entries of the replaced stack are not freed (they were saved beforehand).
void RestoreValueStack(void* saved);

// The same for the decimal stack; the block holds the one-byte count followed by the
// 67-byte entries in use.
void* SaveDecimalStack();
void RestoreDecimalStack(void* saved);

}  // namespace qor::rt
