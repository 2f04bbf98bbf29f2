#pragma once
// The order of bound names: a name's upper-case bytes (through the case tables) and
// its collation weights (a digraph gives two). Two names compare by their weights, a
// name that has run out counting as blanks; names whose weights tie compare by their
// upper-case bytes, so only names equal once upper-cased are the same name.
#include <cstdint>
#include <string_view>

#include "runtime/bindings/bindings.h"

namespace qor::rt::bindings {

inline constexpr size_t kMaxWeights = 2 * kBindingNameLimit;

struct KeyView {
  const uint8_t* upper;
  const uint8_t* weights;
  uint8_t length;
  uint8_t weightCount;
};

// A key built in place, for names of at most 99 characters.
struct NameKey {
  uint8_t upper[kBindingNameLimit];
  uint8_t weights[kMaxWeights];
  uint8_t length = 0;
  uint8_t weightCount = 0;
  KeyView View() const { return {upper, weights, length, weightCount}; }
};

// False (and no key) when the name is longer than 99 characters.
bool MakeNameKey(std::string_view name, NameKey& key);

// Negative, 0 or positive; `blank` is the collation weight of a blank.
int CompareKeys(const KeyView& a, const KeyView& b, uint8_t blank);

uint8_t BlankWeight();

}  // namespace qor::rt::bindings
