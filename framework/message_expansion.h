#pragma once
// Filling the placeholders of a message text. The text (cut to 1999 characters) is read
// once from the start; at each place the longest placeholder that matches is replaced by
// its value, and what a value inserts is never searched again, so a value holding a
// placeholder ("%File" in a file name) stays as it is. Placeholders are case-sensitive;
// a "%" that starts none stays; a value of blanks inserts nothing. The result is cut to
// 1999 characters.
//
//   %ErrorCode      the run-time error code, decimal
//   %ErrorText      code 90 (the file system's error): the file error, " (", its code, ")";
//                   otherwise the run-time error text, " (", its code, ")"
//   %Error          the run-time error text
//   %FileErrorCode  the file error code (text)
//   %FileError      the file error text
//   %File           the file name
//   %Message        the message text
//   %Field          the field name
//   %Previous       the text of the previous definition with the same id, as stored
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::fw {

inline constexpr size_t kExpandedMessageLimit = 1999;
inline constexpr int32_t kFileSystemError = 90;

struct PlaceholderValues {
  int32_t errorCode = 0;
  std::string error;
  std::string fileErrorCode;
  std::string fileError;
  std::string file;
  std::string message;
  std::string field;
  std::string previous;
};

std::string ExpandPlaceholders(std::string_view text, const PlaceholderValues& values);

}  // namespace qor::fw
