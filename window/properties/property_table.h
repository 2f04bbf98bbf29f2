#pragma once
// The table of every property number the window runtime knows: who answers it, whether
// it reads and sets, whether its value is a number or a text, and how a timing value is
// kept. Lookup by number takes constant time however sparse the numbers are.
#include <cstdint>
#include <span>

namespace qor::win {

// Objects a property applies to (bits).
enum PropertyScope : uint8_t {
  kScopeWindow = 1,
  kScopeControl = 2,  // every control kind
  kScopeButton = 4,   // buttons only
};

enum class PropertyAccess : uint8_t { kRead, kSet, kReadSet };
enum class PropertyValueKind : uint8_t { kInteger, kText };
// kTenfold: set in hundredths of a second, kept in milliseconds, read back in hundredths.
enum class PropertyScaling : uint8_t { kNone, kTenfold };

struct PropertyInfo {
  int32_t number;
  uint8_t scope;
  PropertyAccess access;
  PropertyValueKind kind;
  PropertyScaling scaling;

  bool Readable() const { return access != PropertyAccess::kSet; }
  bool Settable() const { return access != PropertyAccess::kRead; }
};

// The property of a number; null when no property has it.
const PropertyInfo* FindProperty(int32_t number);

// Every known property, in ascending order of number.
std::span<const PropertyInfo> AllProperties();

}  // namespace qor::win
