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
    {prop::kParent, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRepeatInterval, kScopeButton, kReadSet, kInteger, kTenfold},
    {prop::kRepeatDelay, kScopeButton, kReadSet, kInteger, kTenfold},
    {prop::kAutoWidth, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kAutoHeight, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kText, kAny, kReadSet, kText, kNone},
    {prop::kType, kScopeControl, kRead, kInteger, kNone},
    {prop::kX, kAny, kReadSet, kInteger, kNone},
    {prop::kY, kAny, kReadSet, kInteger, kNone},
    {prop::kWidth, kAny, kReadSet, kInteger, kNone},
    {prop::kHeight, kAny, kReadSet, kInteger, kNone},
    {prop::kCentred, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kCentredOffset, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kLeft, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kLeftOffset, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kDecimal, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kDecimalOffset, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRight, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRightOffset, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kFontFace, kAny, kReadSet, kText, kNone},
    {prop::kFontSize, kAny, kReadSet, kInteger, kNone},
    {prop::kFontColour, kAny, kReadSet, kInteger, kNone},
    {prop::kFlag2000, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kFlag1, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kImmediate, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kSkip, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kTimer, kScopeWindow, kReadSet, kInteger, kNone},
    {prop::kFlag1000, kScopeControl, kReadSet, kInteger, kNone},
    {prop::kRecreate, kScopeControl, kSet, kInteger, kNone},
    {prop::kBehind, kScopeControl, kSet, kInteger, kNone},
    {prop::kCompleting, kScopeWindow, kRead, kInteger, kNone},
    {prop::kProcedure, kScopeControl, kSet, kInteger, kNone},
    {prop::kTextAgain, kAny, kRead, kText, kNone},
    {prop::kAlertKey, kScopeControl, kReadSet, kInteger, kNone},
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
