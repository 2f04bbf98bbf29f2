#pragma once
// Byte layout of a stored window definition. Everything here is a position within the
// definition buffer: the resource body copied to buffer offset 2, with buffer bytes 0 and 1
// set to zero, so that an offset of 0 reads as the empty string and means "none".
// All integers are little-endian; records are packed without alignment.
#include <cstdint>

namespace qor::win::layout {

inline constexpr char kResourceType[] = "DABDUMP";
inline constexpr char kResourceSuffix[] = "_RSC";

inline constexpr uint32_t kBodyStart = 2;        // where the body lands in the buffer
inline constexpr uint32_t kFirstRecordField = 2; // u32: offset of the first top-level record

// Position and size value meaning "not given": the system chooses.
inline constexpr int32_t kNotGiven = INT32_MIN;  // 0x80000000
inline constexpr uint32_t kDefaultColour = 0xFFFFFFFFu;
inline constexpr int32_t kDefaultStyle = -1;     // 0xFFFFFFFF

// Record type codes.
enum RecordType : uint8_t {
  kTypeString = 2,
  kTypeEntry = 8,
  kTypeButton = 9,
  kTypePrompt = 10,
  kTypeCheck = 12,
  kTypeGroup = 13,
  kTypeList = 14,
  kTypeSpin = 16,
  kTypeWindow = 25,
  kTypeDrop = 33,
  kTypeCustom = 34,
  kTypePanel = 39,
};

// Header shared by every record.
inline constexpr uint32_t kType = 0;       // u8
inline constexpr uint32_t kNext = 1;       // u32, next sibling, 0 = last
inline constexpr uint32_t kFlags = 5;      // u32, attribute flags
inline constexpr uint32_t kReserved = 9;   // u32, zero
inline constexpr uint32_t kHeaderSize = 13;

// Window record.
namespace window {
inline constexpr uint32_t kX = 13, kY = 17, kWidth = 21, kHeight = 25;  // s32
inline constexpr uint32_t kFirstControl = 29;
inline constexpr uint32_t kLabel = 33;
inline constexpr uint32_t kFont = 37;
inline constexpr uint32_t kTitle = 41;
inline constexpr uint32_t kIcon = 57;
inline constexpr uint32_t kEntries = 77;   // small-entry list
inline constexpr uint32_t kFlags2 = 81;    // bit 3: modal
inline constexpr uint32_t kTimer = 89;     // hundredths of a second
inline constexpr uint32_t kMenu = 93;      // menu-bar record
inline constexpr uint32_t kCursor = 101;
inline constexpr uint32_t kToolbar = 105;  // tool-bar record
inline constexpr uint32_t kSize = 116;     // through the bytes at +114 and +115
}  // namespace window

// Font record.
namespace font {
inline constexpr uint32_t kFace = 0, kPoints = 4, kColour = 8, kStyle = 12;
inline constexpr uint32_t kSize = 16;
}  // namespace font

// Small-entry list element: u32 value, u32 next.
namespace entry {
inline constexpr uint32_t kValue = 0, kNext = 4;
inline constexpr uint32_t kSize = 8;
}  // namespace entry

// Use-variable descriptor, stored just before the entry or spin record naming it.
namespace use {
inline constexpr uint32_t kTypeCode = 0;  // u8
inline constexpr uint32_t kByteSize = 1;  // u32
inline constexpr uint32_t kZero = 5;      // u32
inline constexpr uint32_t kSize = 9;
}  // namespace use

// Fields every control record starts with after the header.
namespace control {
inline constexpr uint32_t kNumber = 13;    // s32 field number
inline constexpr uint32_t kReserved = 17;  // u32, zero
inline constexpr uint32_t kPosition = 21;  // s32 x4 (kinds without a use variable)
inline constexpr uint32_t kMinimumSize = 37;
}  // namespace control

// Prompt, string, custom control host and drawn panel.
namespace text {
inline constexpr uint32_t kReserved = 37;
inline constexpr uint32_t kText = 41;
inline constexpr uint32_t kFont = 45;
inline constexpr uint32_t kCursor = 49;
inline constexpr uint32_t kFurther = 53;
inline constexpr uint32_t kSize = 57;
inline constexpr uint32_t kAngle = 57;      // string only: s16, tenths of a degree
inline constexpr uint32_t kStringSize = 59;
}  // namespace text

// The block of texts that buttons, group boxes and the field kinds share, as offsets
// from its start: +37 in a button or group box, +41 in a field record.
namespace texts {
inline constexpr uint32_t kAltText = 0;   // used in place of kText when that begins with "~"
inline constexpr uint32_t kHelp = 4;      // tool tip
inline constexpr uint32_t kSecond = 8;
inline constexpr uint32_t kValue = 12;    // u32
inline constexpr uint32_t kEntries = 16;  // small-entry list
inline constexpr uint32_t kFont = 20;
inline constexpr uint32_t kCursor = 24;
inline constexpr uint32_t kFurther = 28;
inline constexpr uint32_t kText = 32;     // button text, group caption, field picture
}  // namespace texts

// Button and group box.
namespace button {
inline constexpr uint32_t kTexts = 37;
inline constexpr uint32_t kAltText = kTexts + texts::kAltText;
inline constexpr uint32_t kHelp = kTexts + texts::kHelp;
inline constexpr uint32_t kSecond = kTexts + texts::kSecond;
inline constexpr uint32_t kValue = kTexts + texts::kValue;
inline constexpr uint32_t kEntries = kTexts + texts::kEntries;
inline constexpr uint32_t kFont = kTexts + texts::kFont;
inline constexpr uint32_t kCursor = kTexts + texts::kCursor;
inline constexpr uint32_t kFurther = kTexts + texts::kFurther;
inline constexpr uint32_t kText = kTexts + texts::kText;  // 69
inline constexpr uint32_t kIcon = 73;       // button only
inline constexpr uint32_t kFirstChild = 73; // group only
inline constexpr uint32_t kButtonFlags = 81;   // u32, 0x10 = default button
inline constexpr uint32_t kIconPlacement = 85; // u8
inline constexpr uint32_t kRepeatDelay = 86;   // u16, hundredths
inline constexpr uint32_t kRepeatInterval = 88;// u16, hundredths
inline constexpr uint32_t kSize = 90;
}  // namespace button

// Entry, spin box, check box, list and drop box: the kinds that show a variable.
namespace field {
inline constexpr uint32_t kUse = 21;        // offset of the use-variable descriptor
inline constexpr uint32_t kPosition = 25;   // s32 x4
inline constexpr uint32_t kTexts = 41;
inline constexpr uint32_t kAltText = kTexts + texts::kAltText;
inline constexpr uint32_t kHelp = kTexts + texts::kHelp;
inline constexpr uint32_t kSecond = kTexts + texts::kSecond;
inline constexpr uint32_t kValue = kTexts + texts::kValue;
inline constexpr uint32_t kEntries = kTexts + texts::kEntries;
inline constexpr uint32_t kFont = kTexts + texts::kFont;
inline constexpr uint32_t kCursor = kTexts + texts::kCursor;
inline constexpr uint32_t kFurther = kTexts + texts::kFurther;
inline constexpr uint32_t kPicture = kTexts + texts::kText;  // 73, without its "@"; a check box keeps its caption here
inline constexpr uint32_t kNumeric = 77;    // u32: 1 numeric value, 0 text (entry, spin, check)
inline constexpr uint32_t kEntrySize = 81;
inline constexpr uint32_t kDropForm = 77;   // list and drop box: u8, non-zero = drop-down
inline constexpr uint32_t kListSize = 78;
inline constexpr uint32_t kLow = 82;        // spin: IEEE double
inline constexpr uint32_t kHigh = 90;       // spin: IEEE double
inline constexpr uint32_t kStep = 102;      // spin: IEEE double, 0 = 1
inline constexpr uint32_t kListSource = 110;// spin: list source record, 0 = numeric
inline constexpr uint32_t kSpinSize = 114;
}  // namespace field

}  // namespace qor::win::layout
