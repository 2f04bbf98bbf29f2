#pragma once
// FileManager: one data file of the application as the class library's forms use it.
// It opens the file on first use, per thread, with recovery from the common open
// errors (messages 2, 10, 23, 26, 27 and 39 through its FileErrors); keeps snapshots
// of the record buffer so that a form can undo changes; and gives and restores the
// current record position as text on the value stack.
//
// Open counts per thread saturate at 65,535 instead of wrapping.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/files/data_file.h"
#include "framework/files/file_errors.h"
#include "framework/files/snapshot_store.h"

namespace qor::fw {

inline constexpr size_t kFixedFileNameWidth = 256;

// One record of `ThreadOpens`.
struct ThreadOpen {
  int32_t thread = 0;
  uint8_t opened = 0;
  uint16_t openCount = 0;
  uint8_t state[2] = {0, 0};
  uint8_t lastErrorId = 0;
};

class FileManager {
 public:
  // The manager works on `file`'s record buffer and reports through `errors`; both
  // outlive it. The fixed file name starts as the file's name.
  FileManager(DataFile& file, FileErrors& errors);
  virtual ~FileManager();
  FileManager(const FileManager&) = delete;
  FileManager& operator=(const FileManager&) = delete;

  // Settings (the class's fields).
  bool createIfMissing = false;
  bool lazyOpen = false;
  int16_t recoverValue = 0;
  uint8_t openMode = 0x42;  // read and write, shared
  uint8_t keyNumber = 0;
  const std::string* fileNameVariable = nullptr;  // when set, the name given to FileErrors
  void SetFixedFileName(std::string_view name);

  // The language thread calling; 1 unless a program installs its own numbering.
  using ThreadNumberSource = int32_t (*)();
  static void SetThreadNumberSource(ThreadNumberSource source);

  void SelectThread();
  uint8_t UseFile();
  uint8_t OpenFile(bool raise, bool count, bool force);
  uint16_t TakeSnapshot();
  void RestoreSnapshot(uint16_t& id, bool copyBack);
  void PushPosition();
  uint8_t Reposition();
  void RecordError(uint16_t id);

  // What WindowManager uses besides the above.
  bool BufferEqualsSnapshot(uint16_t id) const;  // 0 or an unknown id: different
  uint8_t Insert();            // non-zero when the record was not added (message 4 raised)
  uint8_t AfterInsertQuery();  // 0

  // Overridable: called after every counted open; raising a message for this file;
  // raising the id last recorded for the thread.
  virtual void OpenHook() {}
  virtual uint8_t RaiseFor(uint16_t id);
  virtual uint8_t RaiseRecorded();

  std::string FileName() const;
  const ThreadOpen& CurrentThreadOpen() const { return threadOpens_[current_]; }
  size_t SnapshotRecords() const { return snapshots_.Count(); }
  DataFile& File() { return file_; }

 private:
  void CountOpen(bool count);
  ThreadOpen& Thread() { return threadOpens_[current_]; }

  DataFile& file_;
  FileErrors& errors_;
  std::string fixedFileName_;
  SnapshotStore snapshots_;
  std::vector<ThreadOpen> threadOpens_;
  size_t current_ = 0;
};

// The class library's global list of file managers, disposed by the program's stop
// handler. A manager is on it from construction to destruction.
size_t FileManagerListSize();
void DisposeFileManagerList();

}  // namespace qor::fw
