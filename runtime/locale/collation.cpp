#include "runtime/locale/collation.h"

#include <algorithm>
#include <vector>

#include "os/codepage.h"
#include "os/intl_profile.h"
#include "os/platform_text.h"
#include "runtime/locale/case_tables.h"

namespace qor::rt {
namespace {

constexpr size_t kCompleteOrderLength = 222;
constexpr size_t kPrintableWeights = 95;

std::string DistinctCharacters(std::string_view sequence) {
  std::array<bool, 256> seen{};
  std::string out;
  for (char c : sequence) {
    uint8_t b = static_cast<uint8_t>(c);
    if (seen[b]) continue;
    seen[b] = true;
    out += c;
  }
  return out;
}

std::string Converted(std::string_view text, uint8_t (*convert)(uint8_t)) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(convert(static_cast<uint8_t>(c)));
  return out;
}

// Reads a string as sort weights, a digraph giving two.
class WeightReader {
 public:
  WeightReader(std::string_view text, size_t from, const Locale& locale)
      : text_(text), pos_(from), locale_(locale) {}

  bool Exhausted() const { return pos_ >= text_.size() && pending_ < 0; }

  int Next() {
    if (pending_ >= 0) {
      int w = pending_;
      pending_ = -1;
      return w;
    }
    uint8_t c = pos_ < text_.size() ? static_cast<uint8_t>(text_[pos_++]) : ' ';
    for (const Digraph& d : locale_.digraphs) {
      if (d.character != c) continue;
      pending_ = locale_.ansiCollation[d.second];
      return locale_.ansiCollation[d.first];
    }
    return locale_.ansiCollation[c];
  }

 private:
  std::string_view text_;
  size_t pos_;
  const Locale& locale_;
  int pending_ = -1;
};

int CompareThroughDigraphs(std::string_view a, std::string_view b, size_t from, const Locale& locale) {
  WeightReader ra(a, from, locale);
  WeightReader rb(b, from, locale);
  while (!ra.Exhausted() || !rb.Exhausted()) {
    int diff = ra.Next() - rb.Next();
    if (diff != 0) return diff;
  }
  return 0;
}

}  // namespace

CollationTable IdentityCollation() {
  CollationTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(c);
  return t;
}

void ApplyCollationSequence(CollationTable& table, std::string_view sequence) {
  std::string listed = DistinctCharacters(sequence);
  if (listed.size() == kCompleteOrderLength) {
    for (size_t i = 0; i < listed.size(); ++i) {
      int weight = i < kPrintableWeights ? 32 + static_cast<int>(i) : 128 + static_cast<int>(i - kPrintableWeights);
      table[static_cast<uint8_t>(listed[i])] = static_cast<uint8_t>(weight);
    }
    return;
  }
  std::vector<uint8_t> weights;
  for (char c : listed) weights.push_back(table[static_cast<uint8_t>(c)]);
  std::sort(weights.begin(), weights.end());
  for (size_t i = 0; i < listed.size(); ++i) table[static_cast<uint8_t>(listed[i])] = weights[i];
}

std::string SortedByPlatform() {
  os::PlatformText platform;
  std::string order;
  for (int c = 1; c <= 254; ++c) {
    uint8_t ch = static_cast<uint8_t>(c);
    size_t at = order.size();
    while (at > 0 && platform.Compare(static_cast<uint8_t>(order[at - 1]), ch) > 0) --at;
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(ch));
  }
  return order;
}

std::string PlatformCollationSequence() {
  // Sorting takes some 32,000 comparisons: keep the order while the locale is the same.
  static std::string localeName;
  static std::string order;
  std::string name = os::EffectiveLocaleName("LC_COLLATE");
  if (order.empty() || name != localeName) {
    order = SortedByPlatform();
    localeName = name;
  }
  return order;
}

void SetCollationSequence(std::string_view sequence, bool oem) {
  Locale& locale = CurrentLocale();
  if (sequence.empty()) {
    locale.ansiCollation = locale.oemCollation = IdentityCollation();
    return;
  }
  std::string platformOrder;
  if (UpperText(sequence) == "WINDOWS") {
    platformOrder = PlatformCollationSequence();
    sequence = platformOrder;
    oem = false;
  }
  if (oem) {
    ApplyCollationSequence(locale.oemCollation, sequence);
    ApplyCollationSequence(locale.ansiCollation, Converted(sequence, os::OemToAnsi));
  } else {
    ApplyCollationSequence(locale.ansiCollation, sequence);
    ApplyCollationSequence(locale.oemCollation, Converted(sequence, os::AnsiToOem));
  }
}

void SetDigraphs(std::string_view groups) {
  Locale& locale = CurrentLocale();
  locale.digraphs.clear();
  locale.oemDigraphs.clear();
  for (size_t i = 0; i + 3 <= groups.size() && locale.digraphs.size() < kDigraphLimit; i += 3) {
    Digraph d{static_cast<uint8_t>(groups[i]), static_cast<uint8_t>(groups[i + 1]), static_cast<uint8_t>(groups[i + 2])};
    locale.digraphs.push_back(d);
    locale.oemDigraphs.push_back({os::AnsiToOem(d.character), os::AnsiToOem(d.first), os::AnsiToOem(d.second)});
  }
}

int CompareStrings(std::string_view a, std::string_view b) {
  const Locale& locale = CurrentLocale();
  size_t length = std::max(a.size(), b.size());
  for (size_t i = 0; i < length; ++i) {
    uint8_t ca = i < a.size() ? static_cast<uint8_t>(a[i]) : ' ';
    uint8_t cb = i < b.size() ? static_cast<uint8_t>(b[i]) : ' ';
    if (ca == cb) continue;
    int diff = locale.ansiCollation[ca] - locale.ansiCollation[cb];
    if (diff == 0) continue;
    if (!locale.digraphs.empty()) return CompareThroughDigraphs(a, b, i, locale);
    return diff;
  }
  return 0;
}

}  // namespace qor::rt
