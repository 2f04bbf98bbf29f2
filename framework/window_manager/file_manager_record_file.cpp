#include "framework/window_manager/file_manager_record_file.h"

#include "runtime/values/value_stack.h"

namespace qor::fw {

std::string FileManagerRecordFile::CurrentPosition() {
  manager_.PushPosition();
  rt::ValueEntry entry = rt::StrTakeTop();
  rt::CountedText text = rt::TextOf(entry);
  std::string position(text.text, static_cast<size_t>(text.length));
  rt::ReleaseValueEntry(entry);
  return position;
}

void FileManagerRecordFile::Reposition(std::string_view position) {
  rt::StrPushCopy(position.data(), position.size());
  manager_.Reposition();
}

}  // namespace qor::fw
