#include "framework/files/file_manager.h"

#include <algorithm>
#include <limits>

#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"

namespace qor::fw {
namespace {

constexpr int32_t kErrorAccessDenied = 5;
constexpr int32_t kErrorNotFound = 2;
constexpr int32_t kErrorKeyMustBeRebuilt = 46;
constexpr int32_t kErrorAlreadyOpen = 52;

constexpr uint16_t kMessageAccessDenied = 2;
constexpr uint16_t kMessageInsertError = 4;
constexpr uint16_t kMessageCreationError = 10;
constexpr uint16_t kMessageAccessError = 23;
constexpr uint16_t kMessageKeyNotBuilt = 26;
constexpr uint16_t kMessageInvalidKey = 27;
constexpr uint16_t kMessageUsageError = 39;

constexpr uint8_t kLevelNotify = 5;
constexpr uint8_t kCannotUseFile = 3;

int32_t FirstThread() { return 1; }
FileManager::ThreadNumberSource threadNumber = FirstThread;

std::vector<FileManager*>& Managers() {
  static std::vector<FileManager*> managers;
  return managers;
}

}  // namespace

FileManager::FileManager(DataFile& file, FileErrors& errors) : file_(file), errors_(errors) {
  SetFixedFileName(file.Name());
  threadOpens_.push_back(ThreadOpen{1});
  Managers().push_back(this);
}

FileManager::~FileManager() { std::erase(Managers(), this); }

void FileManager::SetFixedFileName(std::string_view name) { fixedFileName_ = name.substr(0, kFixedFileNameWidth); }

void FileManager::SetThreadNumberSource(ThreadNumberSource source) { threadNumber = source ? source : FirstThread; }

std::string FileManager::FileName() const { return fileNameVariable ? *fileNameVariable : fixedFileName_; }

void FileManager::SelectThread() {
  int32_t thread = file_.PerThread() ? threadNumber() : 1;
  auto found = std::find_if(threadOpens_.begin(), threadOpens_.end(),
                            [thread](const ThreadOpen& t) { return t.thread == thread; });
  if (found == threadOpens_.end()) {
    threadOpens_.push_back(ThreadOpen{thread});
    found = threadOpens_.end() - 1;
  }
  current_ = static_cast<size_t>(found - threadOpens_.begin());
  errors_.SetFileName(FileName());
}

uint8_t FileManager::UseFile() {
  SelectThread();
  if (!lazyOpen || Thread().opened) return 0;
  if (Thread().openCount == 0) return RaiseFor(kMessageUsageError);
  uint16_t id = TakeSnapshot();
  uint8_t result = OpenFile(true, false, true);
  RestoreSnapshot(id, true);
  return result;
}

void FileManager::CountOpen(bool count) {
  if (count && Thread().openCount < std::numeric_limits<uint16_t>::max()) ++Thread().openCount;
  OpenHook();
}

uint8_t FileManager::OpenFile(bool raise, bool count, bool force) {
  SelectThread();
  if ((!force && lazyOpen) || (Thread().openCount != 0 && !force)) {
    CountOpen(count);
    return 0;
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    int32_t error = file_.Open(openMode);
    if (error == kErrorAccessDenied) {
      file_.SendCommand("Recover=" + std::to_string(recoverValue));
      error = file_.Open(openMode);
    }
    if (error == 0 || error == kErrorAlreadyOpen) {
      Thread().opened = 1;
      Thread().state[0] = Thread().state[1] = 0;
      CountOpen(count);
      return 0;
    }
    if (error == kErrorAccessDenied) {
      if ((openMode & 3) == 0) break;
      openMode &= 0xF0;  // read-only from now on
      RaiseFor(kMessageAccessDenied);
      continue;
    }
    if (error == kErrorNotFound) {
      if (!createIfMissing) break;
      if (file_.Create() == 0) continue;
      RecordError(kMessageCreationError);
      return raise ? RaiseRecorded() : kLevelNotify;
    }
    if (error == kErrorKeyMustBeRebuilt) {
      RecordError(kMessageInvalidKey);
      if (!raise) return kLevelNotify;
      RaiseRecorded();
      if (file_.BuildKeys() == 0) continue;
      return RaiseFor(kMessageKeyNotBuilt);
    }
    break;
  }
  RecordError(kMessageAccessError);
  return raise ? RaiseRecorded() : kLevelNotify;
}

uint16_t FileManager::TakeSnapshot() { return snapshots_.Take(file_.Record(), file_.LargeObjects()); }

void FileManager::RestoreSnapshot(uint16_t& id, bool copyBack) {
  snapshots_.Restore(id, copyBack, file_.Record(), file_.LargeObjects());
}

bool FileManager::BufferEqualsSnapshot(uint16_t id) const {
  return snapshots_.Equals(id, file_.Record(), file_.LargeObjects());
}

void FileManager::PushPosition() {
  if (UseFile() != 0) {
    rt::StrPushEmpty();
    return;
  }
  std::string position = file_.Position();
  rt::StrPushCopy(position.data(), position.size());
}

uint8_t FileManager::Reposition() {
  std::string position = rt::StrPopString();
  if (UseFile() != 0) return kCannotUseFile;
  return file_.Reget(position) == 0 ? 0 : kLevelNotify;
}

void FileManager::RecordError(uint16_t id) {
  errors_.CaptureErrorState();
  Thread().lastErrorId = static_cast<uint8_t>(id);
}

uint8_t FileManager::RaiseFor(uint16_t id) { return errors_.Raise(id); }

uint8_t FileManager::RaiseRecorded() { return RaiseFor(Thread().lastErrorId); }

uint8_t FileManager::Insert() {
  if (uint8_t level = UseFile()) return level;
  if (file_.Add() == 0) return 0;
  errors_.CaptureErrorState();
  uint8_t level = RaiseFor(kMessageInsertError);
  return level != 0 ? level : kLevelNotify;
}

uint8_t FileManager::AfterInsertQuery() { return 0; }

size_t FileManagerListSize() { return Managers().size(); }

void DisposeFileManagerList() { Managers().clear(); }

}  // namespace qor::fw
