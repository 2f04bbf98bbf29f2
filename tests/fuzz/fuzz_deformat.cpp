// Typed text read back through a picture. The input is "picture" NUL "text"; without
// a NUL its first byte picks one of a fixed set of pictures and the rest is the text.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "runtime/pictures/picture.h"
#include "tests/fuzz/fixed_year.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::rt;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  if (split != std::string_view::npos) {
    DeformatText(CompilePicture(input.substr(0, split)), input.substr(split + 1));
    return 0;
  }
  static const CompiledPicture pictures[] = {
      CompilePicture("@n-14"), CompilePicture("@n(10.2)"), CompilePicture("@n-6v2"), CompilePicture("@e12.1"),
      CompilePicture("@s20"),  CompilePicture("@P###-##P"), CompilePicture("@K###-@@@K"), CompilePicture("@D1"),
      CompilePicture("@D4"),   CompilePicture("@D8"),      CompilePicture("@D14"),     CompilePicture("@D17"),
      CompilePicture("@D18"),  CompilePicture("@T3"),      CompilePicture("@T6"),      CompilePicture("@T7"),
      CompilePicture("@T8")};
  if (input.empty()) return 0;
  // The first byte picks the picture.
  const CompiledPicture& picture = pictures[static_cast<uint8_t>(input[0]) % std::size(pictures)];
  DeformatText(picture, input.substr(1));
  return 0;
}
