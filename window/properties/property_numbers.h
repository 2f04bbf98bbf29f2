#pragma once
// Property numbers of windows and controls, and the ranges they fall in. Numbers from
// 0x7000 to 0x7CFF take their index folded into the number; numbers from 0x7D00 up take
// it as a separate zero-based index; a selector below 0x7000 names a property by text.
#include <cstdint>

namespace qor::win::prop {

inline constexpr int32_t kFirstNumbered = 0x7000;
inline constexpr int32_t kLastFolded = 0x7CFF;
inline constexpr int32_t kFirstIndexed = 0x7D00;

inline constexpr int32_t kParent = 0x7A07;          // container control number
inline constexpr int32_t kRepeatInterval = 0x7A08;  // hundredths, kept as milliseconds
inline constexpr int32_t kRepeatDelay = 0x7A0F;     // hundredths, kept as milliseconds
inline constexpr int32_t kAutoWidth = 0x7A40;
inline constexpr int32_t kAutoHeight = 0x7A41;

inline constexpr int32_t kText = 0x7C00;
inline constexpr int32_t kType = 0x7C01;
inline constexpr int32_t kX = 0x7C02;
inline constexpr int32_t kY = 0x7C03;
inline constexpr int32_t kWidth = 0x7C04;
inline constexpr int32_t kHeight = 0x7C05;
inline constexpr int32_t kCentred = 0x7C06;
inline constexpr int32_t kCentredOffset = 0x7C07;
inline constexpr int32_t kLeft = 0x7C08;
inline constexpr int32_t kLeftOffset = 0x7C09;
inline constexpr int32_t kDecimal = 0x7C0A;
inline constexpr int32_t kDecimalOffset = 0x7C0B;
inline constexpr int32_t kRight = 0x7C0C;
inline constexpr int32_t kRightOffset = 0x7C0D;
inline constexpr int32_t kFontFace = 0x7C10;
inline constexpr int32_t kFontSize = 0x7C11;
inline constexpr int32_t kFontColour = 0x7C12;
inline constexpr int32_t kFlag2000 = 0x7C63;
inline constexpr int32_t kFlag1 = 0x7C67;
inline constexpr int32_t kImmediate = 0x7C6A;
inline constexpr int32_t kSkip = 0x7C81;
inline constexpr int32_t kTimer = 0x7C86;
inline constexpr int32_t kFlag1000 = 0x7C88;
inline constexpr int32_t kRecreate = 0x7C96;
inline constexpr int32_t kBehind = 0x7C99;
inline constexpr int32_t kCompleting = 0x7C9A;     // the window's completion pass runs
inline constexpr int32_t kProcedure = 0x7CB4;
inline constexpr int32_t kTextAgain = 0x7CBA;

// Numbers from 0x7D00 up, with a separate index.
inline constexpr int32_t kAlertKey = 0x7D06;        // index 0..255: a key that raises AlertKey
inline constexpr int32_t kAlertKeySlots = 256;
inline constexpr uint32_t kKeyValueBits = 0x7FF;    // a key code's value: key, Shift, Ctrl, Alt

// Attribute bits of a control's flag word that properties switch.
inline constexpr uint32_t kFlagJustifyLeft = 0x04;
inline constexpr uint32_t kFlagJustifyRight = 0x08;
inline constexpr uint32_t kFlagJustifyDecimal = 0x0C;
inline constexpr uint32_t kFlagJustifyCentred = 0x10;
inline constexpr uint32_t kFlagJustifyMask = 0x1C;
inline constexpr uint32_t kFlagSkip = 0x20;
inline constexpr uint32_t kFlagImmediate = 0x800;
inline constexpr uint32_t kFlagNoBorder = 0x1000;
inline constexpr uint32_t kFlagFlat = 0x4000;

}  // namespace qor::win::prop
