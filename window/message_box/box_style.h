#pragma once
// The style word a message box is built with: which icon it shows and whether it is
// system-modal. Button bits are the ones the standard table gives (button_table.h).
#include <cstdint>

namespace qor::win {

inline constexpr uint32_t kBoxIconMask = 0x00F0;
inline constexpr uint32_t kBoxIconNone = 0x0000;
inline constexpr uint32_t kBoxIconStop = 0x0010;         // system icon 32513
inline constexpr uint32_t kBoxIconQuestion = 0x0020;     // 32514
inline constexpr uint32_t kBoxIconExclamation = 0x0030;  // 32515
inline constexpr uint32_t kBoxIconInformation = 0x0040;  // 32516
inline constexpr uint32_t kBoxIconOwn = 0x00F0;          // the caller's own icon, already loaded
inline constexpr uint32_t kBoxSystemModal = 0x1000;

// Button bits of the standard table.
inline constexpr uint32_t kButtonOk = 0x01;
inline constexpr uint32_t kButtonYes = 0x02;
inline constexpr uint32_t kButtonNo = 0x04;
inline constexpr uint32_t kButtonAbort = 0x08;
inline constexpr uint32_t kButtonRetry = 0x10;
inline constexpr uint32_t kButtonIgnore = 0x20;
inline constexpr uint32_t kButtonCancel = 0x40;
inline constexpr uint32_t kButtonHelp = 0x80;
inline constexpr uint32_t kStandardButtonBits = 0xFF;

}  // namespace qor::win
