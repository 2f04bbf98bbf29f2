// Feeds arbitrary bytes to the icon-file reader: the directory, every image one by one
// and all at once. Whatever is accepted must have exactly the pixels its size says, and
// reading all images must succeed exactly when every single one does.
#include <cstddef>
#include <cstdint>
#include <span>

#include "window/platform/resources/icon_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::ui;
  std::span<const uint8_t> file(data, size);
  std::optional<int> count = CountIconImages(file, nullptr);
  if (!count) {
    if (ReadIconImages(file, nullptr)) __builtin_trap();
    return 0;
  }
  bool allGood = true;
  for (int index = 0; index < *count && index < 64; ++index) {
    std::optional<IconImage> image = ReadIconImage(file, index, nullptr);
    if (!image) {
      allGood = false;
      continue;
    }
    if (image->width <= 0 || image->height <= 0 || image->width > kLargestIconSide ||
        image->pixels.size() != static_cast<size_t>(image->width) * image->height) {
      __builtin_trap();
    }
  }
  if (*count <= 64 && ReadIconImages(file, nullptr).has_value() != allGood) __builtin_trap();
  return 0;
}
