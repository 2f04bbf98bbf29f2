#pragma once
// A file manager seen as a record form's file: the form's calls map onto the manager's
// operations, the position travelling over the string stack as the manager expects.
#include "framework/files/file_manager.h"
#include "framework/window_manager/record_file.h"

namespace qor::fw {

class FileManagerRecordFile final : public RecordFile {
 public:
  explicit FileManagerRecordFile(FileManager& manager) : manager_(manager) {}

  void UseFile() override { manager_.UseFile(); }
  bool BufferEqualsSnapshot(uint16_t id) override { return manager_.BufferEqualsSnapshot(id); }
  uint8_t Insert() override { return manager_.Insert(); }
  uint8_t AfterInsertQuery() override { return manager_.AfterInsertQuery(); }
  uint16_t TakeSnapshot() override { return manager_.TakeSnapshot(); }
  void RestoreSnapshot(uint16_t& id, bool copyBack) override { manager_.RestoreSnapshot(id, copyBack); }
  std::string CurrentPosition() override;
  void Reposition(std::string_view position) override;

 private:
  FileManager& manager_;
};

}  // namespace qor::fw
