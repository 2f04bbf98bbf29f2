#pragma once
// A register of the tester: one 32-bit value seen eight ways. U, L and the four bytes
// B1..B4 (B1 least significant) are the same four bytes; H and B are blank-padded texts
// rebuilt from U by BuildViews: the value in hexadecimal ("00 00 00 A5") and in bits
// ("0000 0000 ... 1010 0101"). The record is 54 bytes, laid out exactly so.
#include <cstddef>
#include <cstdint>

namespace qor::app {

#pragma pack(push, 1)
struct ByteGroup {
  uint8_t B1;  // least significant byte of the value
  uint8_t B2;
  uint8_t B3;
  uint8_t B4;  // most significant byte
};

struct RegisterRecord {
  static constexpr int kHexLength = 11;
  static constexpr int kBitsLength = 39;

  union {
    uint32_t U;    // the value
    int32_t L;     // the value read as signed
    ByteGroup BG;  // the value read as bytes
  };
  char H[kHexLength];   // hexadecimal view, four pairs of digits
  char B[kBitsLength];  // bit-string view, eight groups of four
};
#pragma pack(pop)

static_assert(sizeof(RegisterRecord) == 54);
static_assert(offsetof(RegisterRecord, H) == 4);
static_assert(offsetof(RegisterRecord, B) == 15);

// Rewrites H and B from U.
void BuildViews(RegisterRecord& reg);

// The register operations of the tester's buttons. Each changes only U; the text
// views follow at the next refresh.
void ZeroRegister(RegisterRecord& reg);
void RandomFillRegister(RegisterRecord& reg);  // any 32-bit value, from the runtime's RANDOM
void CopyRegister(RegisterRecord& target, const RegisterRecord& source);

}  // namespace qor::app
