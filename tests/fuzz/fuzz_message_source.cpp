// Fuzzes the message-table compiler's source reader: any text either gives a table or is
// refused with a reason (and the line, when one line is at fault). What it reads must pack, and the packed table must
// read back to the same entries.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/message_table/message_table.h"
#include "tools/msgtablec/message_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor;
  tool::msgtablec::MessageSource source =
      tool::msgtablec::ParseMessageSource(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!source.error.empty()) {
    if (source.errorLine < 0) __builtin_trap();
    return 0;
  }
  auto packed = fw::PackMessageTable(source.definitions);
  if (!packed) __builtin_trap();  // the reader refuses what cannot pack
  if (fw::UnpackMessageTable(*packed) != source.definitions) __builtin_trap();
  return 0;
}
