#include "window/definition/records.h"

#include <array>
#include <string_view>

namespace qor::win {
namespace {

struct KindEntry {
  uint8_t type;
  const char* name;
  RecordLayout layout;
};

constexpr std::array kKinds = {
    KindEntry{layout::kTypeString, "string", RecordLayout::kString},
    KindEntry{layout::kTypeEntry, "entry", RecordLayout::kEntry},
    KindEntry{layout::kTypeButton, "button", RecordLayout::kButton},
    KindEntry{layout::kTypePrompt, "prompt", RecordLayout::kText},
    KindEntry{layout::kTypeCheck, "check", RecordLayout::kCheck},
    KindEntry{layout::kTypeGroup, "group", RecordLayout::kGroup},
    KindEntry{layout::kTypeList, "list", RecordLayout::kList},
    KindEntry{layout::kTypeSpin, "spin", RecordLayout::kSpin},
    KindEntry{layout::kTypeWindow, "window", RecordLayout::kWindow},
    KindEntry{layout::kTypeDrop, "drop", RecordLayout::kList},
    KindEntry{layout::kTypeCustom, "custom", RecordLayout::kText},
    KindEntry{layout::kTypePanel, "panel", RecordLayout::kText},
};

// Control types the creation dispatcher knows whose record layout this program does not
// read beyond the common fields and the position.
constexpr std::array<uint8_t, 15> kOtherControlTypes = {1, 3, 4, 5, 6, 7, 11, 15, 17, 18, 21, 32, 35, 37, 38};

}  // namespace

std::optional<RecordLayout> LayoutOf(uint8_t type) {
  for (const KindEntry& kind : kKinds)
    if (kind.type == type) return kind.layout;
  for (uint8_t other : kOtherControlTypes)
    if (other == type) return RecordLayout::kOther;
  return std::nullopt;
}

uint32_t RecordSize(RecordLayout layout) {
  switch (layout) {
    case RecordLayout::kWindow: return layout::window::kSize;
    case RecordLayout::kText: return layout::text::kSize;
    case RecordLayout::kString: return layout::text::kStringSize;
    case RecordLayout::kButton:
    case RecordLayout::kGroup: return layout::button::kSize;
    case RecordLayout::kEntry:
    case RecordLayout::kCheck: return layout::field::kEntrySize;
    case RecordLayout::kList: return layout::field::kListSize;
    case RecordLayout::kSpin: return layout::field::kSpinSize;
    case RecordLayout::kOther: return layout::control::kMinimumSize;
  }
  return layout::control::kMinimumSize;
}

bool ShowsVariable(RecordLayout layout) {
  return layout == RecordLayout::kEntry || layout == RecordLayout::kCheck ||
         layout == RecordLayout::kList || layout == RecordLayout::kSpin;
}

std::string KindName(uint8_t type) {
  for (const KindEntry& kind : kKinds)
    if (kind.type == type) return kind.name;
  return "type" + std::to_string(type);
}

std::optional<uint8_t> KindType(const std::string& name) {
  for (const KindEntry& kind : kKinds)
    if (name == kind.name) return kind.type;
  std::string_view view(name);
  if (!view.starts_with("type") || view.size() < 5 || view.size() > 7) return std::nullopt;
  unsigned number = 0;
  for (char c : view.substr(4)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(c - '0');
  }
  if (number > 255 || LayoutOf(static_cast<uint8_t>(number)) != RecordLayout::kOther) return std::nullopt;
  return static_cast<uint8_t>(number);
}

std::string ResourceNameFor(const std::string& qualifiedName) {
  size_t dollar = qualifiedName.find('$');
  std::string procedure = dollar == std::string::npos ? qualifiedName : qualifiedName.substr(dollar + 1);
  return procedure + layout::kResourceSuffix;
}

}  // namespace qor::win
