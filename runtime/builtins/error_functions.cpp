#include "runtime/builtins/error_functions.h"

#include <string>

#include "runtime/base/error_state.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

void PushOwnedCopy(const std::string& text) { StrPushOwnedCopy(text.data(), text.size()); }

}  // namespace

int32_t LanguageErrorCode() { return ErrorCode(); }
void PushLanguageError() { PushOwnedCopy(ErrorText()); }
int32_t LanguageFileErrorCode() { return FileErrorCode(); }
void PushLanguageFileError() { PushOwnedCopy(FileErrorText()); }
void PushLanguageErrorFile() { PushOwnedCopy(ErrorFileName()); }

}  // namespace qor::rt
