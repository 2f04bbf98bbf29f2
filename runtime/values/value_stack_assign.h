#pragma once
// Popping the value stack into the language's string variables.
//
// A null text stands for a string constant: with length 0 the blank string, with a
// negative length the lowest (all 0x00) and with a positive length the highest (all
// 0xFF). STRING fills its whole size with it; CSTRING takes size-1 bytes of 0xFF for
// the highest and the empty string otherwise; PSTRING fills size-1 bytes as STRING
// does and records size-1 as its length.
#include <cstdint>

namespace qor::rt {

// Copies min(length, size) bytes and fills the rest with blanks; pops.
void StrPopIntoString(void* destination, int32_t size);
// Copies min(length, size-1) bytes and a 0 after them (size 0 writes nothing); pops.
void StrPopIntoCString(void* destination, int32_t size);
// The first byte receives the copied length, at most size-1 (and at most 255); pops.
void StrPopIntoPString(void* destination, int32_t size);

// A (pointer, length) pair that owns its heap block.
struct StringDescriptor {
  char* text;
  int32_t length;
};
// Hands an owned block over without copying; copies any other text into a new
// block. When no block can be had the descriptor gets null and 0. Pops.
void StrPopIntoDescriptor(StringDescriptor* destination);

}  // namespace qor::rt
