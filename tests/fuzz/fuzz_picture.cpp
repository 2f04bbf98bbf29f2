// Picture texts: compiled, sized and used to format a few values.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/pictures/picture.h"
#include "tests/fuzz/fixed_year.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::rt;
  std::string text(reinterpret_cast<const char*>(data), size);
  CompiledPicture picture = CompilePicture(text);
  if (picture.IsValid() && (picture.CellCount() > kPictureCellLimit || picture.Width() > 255)) __builtin_trap();
  PictureStorageSize(picture);
  for (const char* value : {"0", "-1234.5678", "99999999999999999999.99", "83654", "4710001"}) {
    std::string shown = FormatText(picture, value);
    if (picture.IsValid() && picture.Kind() != PictureKind::kKeyIn &&
        shown.size() != static_cast<size_t>(picture.Width()))
      __builtin_trap();
    DeformatText(picture, shown);
  }
  return 0;
}
