#pragma once
// The process-wide error state every runtime operation reports into: the language's
// ERRORCODE and ERROR, the file error code and text, and the name of the file the
// last file error concerned. Failures a caller can handle set it and return; the
// caller tests ErrorCode().
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/base/message_text.h"  // MessageText, SetMessageOverride

namespace qor::rt {

inline constexpr size_t kErrorTextWidth = 80;       // ERROR, blank padded
inline constexpr size_t kFileErrorTextWidth = 255;  // blank padded
inline constexpr size_t kErrorFileNameWidth = 81;   // blank padded
inline constexpr int32_t kPlatformErrorBase = 300;  // set error(0): last OS error + 300

// Sets the error code and fills the error text with the code's message (leading
// blanks removed, at most 79 characters). Code 0 takes the operating system's last
// error plus 300, so that "file not found" (2) becomes 302. Captures the last OS
// error either way.
void SetError(int32_t code);
// Error code and file error code to 0; error text, file error text and error file
// name to blanks.
void ClearError();

int32_t ErrorCode();
std::string ErrorText();        // ERROR: trailing blanks removed
std::string PaddedErrorText();  // the 80-character field as stored
uint32_t LastPlatformError();   // the OS error captured by the last SetError

// The file access layer's side of the state.
void SetFileError(int32_t fileErrorCode, std::string_view fileErrorText);
void SetErrorFileName(std::string_view name);
int32_t FileErrorCode();
std::string FileErrorText();  // trailing blanks removed
std::string ErrorFileName();  // trailing blanks removed

}  // namespace qor::rt
