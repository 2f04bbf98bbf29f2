#include "app/register_record.h"

#include <cstring>

#include "app/routines.h"
#include "runtime/builtins/random.h"

namespace qor::app {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Positions below count from 1, as the views are described: each step first moves the
// write position on, then writes there; a group boundary moves it on once more.
void WriteAt(char* text, int position, char c) { text[position - 1] = c; }

void BuildHexView(RegisterRecord& reg) {
  std::memset(reg.H, ' ', sizeof reg.H);
  uint32_t work = reg.U;
  int position = 0;
  for (int digit = 1; digit <= 8; ++digit) {
    ++position;
    work = static_cast<uint32_t>(BROL(&work, 4));  // the next nibble from the top arrives low
    WriteAt(reg.H, position, kHexDigits[work & 0xFu]);
    if (digit == 2 || digit == 4 || digit == 6) ++position;
  }
}

void BuildBitView(RegisterRecord& reg) {
  std::memset(reg.B, ' ', sizeof reg.B);
  uint32_t value = reg.U;
  int position = 0;
  for (int bit = 31; bit >= 0; --bit) {
    ++position;
    WriteAt(reg.B, position, BT(&value, bit) ? '1' : '0');
    if (bit > 0 && bit % 4 == 0) ++position;
  }
}

}  // namespace

void BuildViews(RegisterRecord& reg) {
  BuildHexView(reg);
  BuildBitView(reg);
}

void ZeroRegister(RegisterRecord& reg) { reg.U = 0; }

// The bounds 0 and -1 ask RANDOM for the whole 32-bit range.
void RandomFillRegister(RegisterRecord& reg) { reg.L = rt::RANDOM(0, -1); }

void CopyRegister(RegisterRecord& target, const RegisterRecord& source) { target.U = source.U; }

}  // namespace qor::app
