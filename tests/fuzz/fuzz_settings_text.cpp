// Settings-file text: reading, and every edit read back. Two leading bytes give the
// lengths of a section and a key name taken from the input; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/settings/settings_text.h"

namespace {

std::string_view Take(std::string_view& input, size_t n) {
  std::string_view part = input.substr(0, n);
  input.remove_prefix(part.size());
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::fw;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t sectionLength = input.empty() ? 0 : static_cast<uint8_t>(input[0]) % 16;
  size_t keyLength = input.size() < 2 ? 0 : static_cast<uint8_t>(input[1]) % 16;
  Take(input, 2);
  std::string_view section = TrimBlanks(Take(input, sectionLength));
  std::string_view key = TrimBlanks(Take(input, keyLength));
  if (!IsValidSectionName(section)) section = "S";
  if (!IsValidKeyName(key)) key = "k";
  const std::string_view text = input;

  FindSetting(text, section, key);
  for (std::string_view value : {std::string_view("v"), std::string_view(" padded "), std::string_view("\"q\"")}) {
    std::string written = WithSetting(text, section, key, value);
    if (FindSetting(written, section, key) != std::string(value)) __builtin_trap();
  }
  if (FindSetting(WithoutSetting(text, section, key), section, key)) __builtin_trap();
  if (FindSetting(WithoutSection(text, section), section, key)) __builtin_trap();
  return 0;
}
