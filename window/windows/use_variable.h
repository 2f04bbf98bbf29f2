#pragma once
// A use variable as a procedure hands it to PrepareWindow: the variable's address, its
// type code (1 BYTE, 6 LONG, 7 ULONG, 18 STRING, ...) and its size in bytes. Each
// control that shows a variable is bound to the next one, in control order, and must
// match the type and size its record describes.
#include <cstdint>

namespace qor::win {

struct UseVariable {
  void* address = nullptr;
  uint8_t typeCode = 0;
  uint32_t size = 0;
};

}  // namespace qor::win
