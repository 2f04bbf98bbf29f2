// Every property number, and a direct index over 0x7000 to 0x7CFF that finds one in a
// single step.
#include "window/properties/property_table.h"

#include <array>

#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

using enum PropertyAccess;
using enum PropertyValueKind;
using enum PropertyScaling;

constexpr uint8_t kAny = kScopeWindow | kScopeControl;

constexpr PropertyInfo kProperties[] = {
    {prop::kParent, "parent", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRepeatInterval, "repeat interval", kScopeButton, kReadSet, kInteger, kTenfold},
    {prop::kRepeatDelay, "repeat delay", kScopeButton, kReadSet, kInteger, kTenfold},
    {prop::kAutoWidth, "automatic width", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kAutoHeight, "automatic height", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kText, "text", kAny, kReadSet, kText, kNone},
    {prop::kType, "type", kScopeControl, kRead, kInteger, kNone},
    {prop::kX, "x", kAny, kReadSet, kInteger, kNone},
    {prop::kY, "y", kAny, kReadSet, kInteger, kNone},
    {prop::kWidth, "width", kAny, kReadSet, kInteger, kNone},
    {prop::kHeight, "height", kAny, kReadSet, kInteger, kNone},
    {prop::kCentred, "centred", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kCentredOffset, "centred offset", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kLeft, "left", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kLeftOffset, "left offset", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kDecimal, "decimal", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kDecimalOffset, "decimal offset", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRight, "right", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRightOffset, "right offset", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kFontFace, "font face", kAny, kReadSet, kText, kNone},
    {prop::kFontSize, "font size", kAny, kReadSet, kInteger, kNone},
    {prop::kFontColour, "font colour", kAny, kReadSet, kInteger, kNone},
    {prop::kFlag2000, "flag 2000", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kFlag1, "flag 1", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kImmediate, "immediate", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kSkip, "skip", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kTimer, "timer", kScopeWindow, kReadSet, kInteger, kNone},
    {prop::kFlag1000, "flag 1000", kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRecreate, "recreate", kScopeControl, kSet, kInteger, kNone},
    {prop::kBehind, "behind", kScopeControl, kSet, kInteger, kNone},
    {prop::kCompleting, "completing", kScopeWindow, kRead, kInteger, kNone},
    {prop::kProcedure, "procedure", kScopeControl, kSet, kInteger, kNone},
    {prop::kTextAgain, "text", kAny, kRead, kText, kNone},
    {prop::kAlertKey, "alert key", kScopeControl, kReadSet, kInteger, kNone},
};

constexpr size_t kSlots = prop::kLastFolded - prop::kFirstNumbered + 1;

// Slot of each number: its position in kProperties plus one; 0 for none.
constexpr std::array<uint8_t, kSlots> BuildIndex() {
  std::array<uint8_t, kSlots> index{};
  for (size_t i = 0; i < std::size(kProperties) && kProperties[i].number <= prop::kLastFolded; ++i) {
    index[static_cast<size_t>(kProperties[i].number - prop::kFirstNumbered)] = static_cast<uint8_t>(i + 1);
  }
  return index;
}

constexpr std::array<uint8_t, kSlots> kIndex = BuildIndex();

constexpr bool Ascending() {
  for (size_t i = 1; i < std::size(kProperties); ++i) {
    if (kProperties[i - 1].number >= kProperties[i].number) return false;
  }
  return true;
}
static_assert(Ascending(), "the property table is kept in ascending order of number");

}  // namespace

const PropertyInfo* FindProperty(int32_t number) {
  if (number >= prop::kFirstIndexed) {
    // The few numbers with a separate index lie at the table's end.
    for (const PropertyInfo& info : kProperties) {
      if (info.number == number) return &info;
    }
    return nullptr;
  }
  if (number < prop::kFirstNumbered) return nullptr;
  uint8_t slot = kIndex[static_cast<size_t>(number - prop::kFirstNumbered)];
  return slot == 0 ? nullptr : &kProperties[slot - 1];
}

std::span<const PropertyInfo> AllProperties() { return kProperties; }

}  // namespace qor::win
