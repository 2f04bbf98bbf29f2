// INSTRING: a byte scan for single characters, a Horspool search for long texts,
// and the stepped comparison otherwise.
#include "runtime/builtins/instring.h"

#include <cstddef>
#include <cstring>

#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

constexpr int32_t kHorspoolMinSubstring = 5;
constexpr int32_t kHorspoolMinString = 257;
constexpr int32_t kHorspoolMaxShift = 255;

// Shifts are taken from the last 255 characters of the substring at most; a shift
// of 255 is then always safe, since no character matches further back.
int32_t HorspoolSearch(const unsigned char* sub, int32_t m, const unsigned char* s, int32_t n, int32_t from) {
  uint8_t shift[256];
  int32_t longest = m < kHorspoolMaxShift ? m : kHorspoolMaxShift;
  std::memset(shift, longest, sizeof shift);
  for (int32_t i = m - longest; i < m - 1; ++i) shift[sub[i]] = static_cast<uint8_t>(m - 1 - i);
  for (int64_t at = from; at + m <= n; at += shift[s[at + m - 1]]) {
    if (s[at + m - 1] == sub[m - 1] && std::memcmp(s + at, sub, static_cast<std::size_t>(m - 1)) == 0)
      return static_cast<int32_t>(at + 1);
  }
  return 0;
}

int32_t FindCharacter(unsigned char c, const unsigned char* s, int32_t n, int32_t from) {
  const void* hit = std::memchr(s + from, c, static_cast<std::size_t>(n - from));
  return hit ? static_cast<int32_t>(static_cast<const unsigned char*>(hit) - s) + 1 : 0;
}

int32_t SteppedSearch(const unsigned char* sub, int32_t m, const unsigned char* s, int32_t n, int32_t from,
                      int32_t step) {
  for (int64_t at = from; at + m <= n; at += step) {
    if (s[at] == sub[0] && std::memcmp(s + at, sub, static_cast<std::size_t>(m)) == 0)
      return static_cast<int32_t>(at / step + 1);
  }
  return 0;
}

}  // namespace

int32_t InString(const char* substring, int32_t substringLength, const char* string, int32_t stringLength,
                 int32_t step, int32_t start) {
  if (substringLength <= 0 || start < 1 || step < 0) return 0;
  if (step == 0) step = substringLength;
  if (start > stringLength) return 0;
  auto sub = reinterpret_cast<const unsigned char*>(substring);
  auto s = reinterpret_cast<const unsigned char*>(string);
  int32_t from = start - 1;
  if (step == 1 && substringLength == 1) return FindCharacter(sub[0], s, stringLength, from);
  if (step == 1 && substringLength >= kHorspoolMinSubstring && stringLength >= kHorspoolMinString)
    return HorspoolSearch(sub, substringLength, s, stringLength, from);
  return SteppedSearch(sub, substringLength, s, stringLength, from, step);
}

int32_t StrInString(int32_t step, int32_t start) {
  ValueEntry substring = StrTakeTop();
  ValueEntry string = StrTakeTop();
  CountedText sub = TextOf(substring), text = TextOf(string);
  int32_t result = InString(sub.text, sub.length, text.text, text.length, step, start);
  ReleaseValueEntry(substring);
  ReleaseValueEntry(string);
  return result;
}

}  // namespace qor::rt
