// Fuzzes the window-definition compiler's source reader: any text either parses into a
// definition or is refused with a reason and a line; it never crashes or reads past the
// end. What parses must encode into an image.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/windefc/source_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::tool::windefc;
  ParseResult result = ParseDefinitionSource(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!result.definition && result.error.empty()) __builtin_trap();
  if (!result.definition && result.errorLine < 1) __builtin_trap();
  return 0;
}
