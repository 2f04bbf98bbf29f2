#include "runtime/bindings/detail/name_key.h"

#include <algorithm>
#include <cstring>

#include "runtime/locale/case_tables.h"
#include "runtime/locale/locale.h"

namespace qor::rt::bindings {

bool MakeNameKey(std::string_view name, NameKey& key) {
  if (name.size() > kBindingNameLimit) return false;
  const Locale& locale = CurrentLocale();
  key.length = static_cast<uint8_t>(name.size());
  key.weightCount = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    uint8_t c = UpperChar(static_cast<uint8_t>(name[i]));
    key.upper[i] = c;
    const Digraph* digraph = nullptr;
    for (const Digraph& d : locale.digraphs) {
      if (d.character != c) continue;
      digraph = &d;
      break;
    }
    if (digraph) {
      key.weights[key.weightCount++] = locale.ansiCollation[digraph->first];
      key.weights[key.weightCount++] = locale.ansiCollation[digraph->second];
    } else {
      key.weights[key.weightCount++] = locale.ansiCollation[c];
    }
  }
  return true;
}

int CompareKeys(const KeyView& a, const KeyView& b, uint8_t blank) {
  size_t n = std::max(a.weightCount, b.weightCount);
  for (size_t i = 0; i < n; ++i) {
    int wa = i < a.weightCount ? a.weights[i] : blank;
    int wb = i < b.weightCount ? b.weights[i] : blank;
    if (wa != wb) return wa - wb;
  }
  int common = std::memcmp(a.upper, b.upper, std::min(a.length, b.length));
  if (common != 0) return common;
  return a.length - b.length;
}

uint8_t BlankWeight() { return CurrentLocale().ansiCollation[' ']; }

}  // namespace qor::rt::bindings
