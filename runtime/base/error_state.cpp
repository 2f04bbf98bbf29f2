#include "runtime/base/error_state.h"

#include <cerrno>

#include "os/last_error.h"
#include "runtime/base/trace_log.h"

namespace qor::rt {
namespace {

struct ErrorState {
  int32_t code = 0;
  std::string text = std::string(kErrorTextWidth, ' ');
  int32_t fileErrorCode = 0;
  std::string fileErrorText = std::string(kFileErrorTextWidth, ' ');
  std::string fileName = std::string(kErrorFileNameWidth, ' ');
  uint32_t lastPlatformError = 0;
};

ErrorState& State() {
  static ErrorState state;
  return state;
}

// Copies text into a blank-padded field of `width` characters, keeping at most
// `keep` of them.
void FillField(std::string& field, size_t width, std::string_view text, size_t keep) {
  field.assign(text.substr(0, keep));
  field.resize(width, ' ');
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string WithoutTrailingBlanks(std::string_view text) {
  size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

// One line per error set, for whoever reads the trace log.
void TraceError(const ErrorState& s) {
  if (!TraceLogEnabled()) return;
  WriteTraceLine("Error " + std::to_string(s.code) + ": " + WithoutTrailingBlanks(s.text));
}

}  // namespace

void SetError(int32_t code) {
  const uint32_t platformError = os::LastError();
  if (code == 0) code = kPlatformErrorBase + static_cast<int32_t>(platformError);
  ErrorState& s = State();
  s.code = code;
  std::string message = MessageText(code);
  FillField(s.text, kErrorTextWidth, WithoutLeadingBlanks(message), kErrorTextWidth - 1);
  s.lastPlatformError = platformError;
  TraceError(s);
}

void ClearError() {
  ErrorState& s = State();
  s.code = 0;
  s.fileErrorCode = 0;
  FillField(s.text, kErrorTextWidth, {}, 0);
  FillField(s.fileErrorText, kFileErrorTextWidth, {}, 0);
  FillField(s.fileName, kErrorFileNameWidth, {}, 0);
}

int32_t ErrorCode() { return State().code; }
std::string ErrorText() { return WithoutTrailingBlanks(State().text); }
std::string PaddedErrorText() { return State().text; }
uint32_t LastPlatformError() { return State().lastPlatformError; }

void SetFileError(int32_t fileErrorCode, std::string_view fileErrorText) {
  ErrorState& s = State();
  s.fileErrorCode = fileErrorCode;
  FillField(s.fileErrorText, kFileErrorTextWidth, fileErrorText, kFileErrorTextWidth);
}

void SetErrorFileName(std::string_view name) {
  FillField(State().fileName, kErrorFileNameWidth, name, kErrorFileNameWidth);
}

int32_t FileErrorCode() { return State().fileErrorCode; }
std::string FileErrorText() { return WithoutTrailingBlanks(State().fileErrorText); }
std::string ErrorFileName() { return WithoutTrailingBlanks(State().fileName); }

}  // namespace qor::rt
