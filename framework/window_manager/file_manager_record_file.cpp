#include "framework/window_manager/file_manager_record_file.h"

#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"

namespace qor::fw {

std::string FileManagerRecordFile::CurrentPosition() {
  manager_.PushPosition();
  return rt::StrPopString();
}

void FileManagerRecordFile::Reposition(std::string_view position) {
  rt::StrPushCopy(position.data(), position.size());
  manager_.Reposition();
}

}  // namespace qor::fw
