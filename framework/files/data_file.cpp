#include "framework/files/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "runtime/base/error_state.h"
#include "runtime/startup/shutdown.h"

namespace qor::fw {
namespace {

constexpr int32_t kNotFound = 2;
constexpr int32_t kAccessDenied = 5;
constexpr int32_t kRecordNotFound = 35;
constexpr int32_t kFileNotOpen = 37;
constexpr int32_t kInvalidDataFile = 36;
constexpr int32_t kKeyFileMustBeRebuilt = 46;
constexpr int32_t kAlreadyOpen = 52;
constexpr int32_t kUnsupportedCommand = 80;
constexpr int32_t kFileSystemError = 90;

std::vector<DataFile*>& DataFiles() {
  static std::vector<DataFile*> files;
  return files;
}

int AccessFlags(uint8_t openMode) {
  switch (openMode & 3) {
    case 0: return O_RDONLY;
    case 1: return O_WRONLY;
    default: return O_RDWR;
  }
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool ReadAll(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

void CloseTracked(void* file) { static_cast<DataFile*>(file)->Close(); }

}  // namespace

DataFile::DataFile(std::string name, uint32_t recordLength, std::vector<KeySlice> keys, size_t largeObjects)
    : name_(std::move(name)),
      recordLength_(std::max<uint32_t>(recordLength, 1)),
      keys_(std::move(keys)),
      record_(recordLength_, ' '),
      largeObjects_(largeObjects) {
  RegisterDataFile(this);
}

DataFile::~DataFile() {
  Close();
  ForgetDataFile(this);
}

int32_t DataFile::Fail(int32_t code) const {
  rt::SetError(code);
  rt::SetErrorFileName(name_);
  return code;
}

int32_t DataFile::FailWithErrno(int error) const {
  if (error == ENOENT) return Fail(kNotFound);
  if (error == EACCES || error == EPERM || error == EROFS) return Fail(kAccessDenied);
  return Fail(kFileSystemError);
}

int32_t DataFile::ReadData(std::string& data) const {
  int fd = open(name_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FailWithErrno(errno);
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, data);
  int error = errno;
  close(fd);
  if (!ok) return FailWithErrno(error == 0 ? EIO : error);
  if (data.size() % recordLength_ != 0) return Fail(kInvalidDataFile);
  return 0;
}

int32_t DataFile::CheckKeys(const std::string& data) const {
  if (keys_.empty()) return 0;
  int fd = open(KeyFileName().c_str(), O_RDONLY | O_CLOEXEC);
  std::string stored;
  bool read = fd >= 0 && ReadAll(fd, stored);
  if (fd >= 0) close(fd);
  if (!read || stored != BuildKeyFileContents(data, recordLength_, keys_)) return Fail(kKeyFileMustBeRebuilt);
  return 0;
}

int32_t DataFile::Open(uint8_t openMode) {
  if (IsOpen()) return Fail(kAlreadyOpen);
  int fd = open(name_.c_str(), AccessFlags(openMode) | O_CLOEXEC);
  if (fd < 0) return FailWithErrno(errno);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return Fail(kFileSystemError);
  }
  std::string data;
  int32_t error = ReadData(data);
  if (error == 0) error = CheckKeys(data);
  if (error != 0) {
    close(fd);
    return error;
  }
  fd_ = fd;
  mode_ = openMode;
  count_ = static_cast<uint32_t>(data.size() / recordLength_);
  current_ = 0;
  rt::TrackOpenFile(this, CloseTracked);
  return 0;
}

int32_t DataFile::Create() {
  int fd = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return FailWithErrno(errno);
  close(fd);
  if (keys_.empty()) return 0;
  if (int error = WriteKeyFileAtomically(KeyFileName(), "")) return FailWithErrno(error);
  return 0;
}

int32_t DataFile::BuildKeys() {
  std::string data;
  if (int32_t error = ReadData(data)) return error;
  if (keys_.empty()) return 0;
  if (int error = WriteKeyFileAtomically(KeyFileName(), BuildKeyFileContents(data, recordLength_, keys_)))
    return FailWithErrno(error);
  return 0;
}

int32_t DataFile::SendCommand(std::string_view command) {
  constexpr std::string_view kRecover = "Recover=";
  if (command.starts_with(kRecover)) {
    std::string_view number = command.substr(kRecover.size());
    int value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc() && end == number.data() + number.size() && !number.empty()) return 0;
  }
  return Fail(kUnsupportedCommand);
}

void DataFile::Close() {
  if (!IsOpen()) return;
  close(fd_);
  fd_ = -1;
  current_ = 0;
  rt::UntrackOpenFile(this);
}

std::string DataFile::Position() const { return current_ == 0 ? "" : std::to_string(current_); }

int32_t DataFile::Reget(std::string_view position) {
  position = Trimmed(position);
  uint32_t record = 0;
  auto [end, error] = std::from_chars(position.data(), position.data() + position.size(), record);
  if (position.empty() || error != std::errc() || end != position.data() + position.size())
    return Fail(kRecordNotFound);
  return Get(record);
}

int32_t DataFile::Get(uint32_t record) {
  if (!IsOpen()) return Fail(kFileNotOpen);
  if (!CanRead()) return Fail(kAccessDenied);
  if (record == 0 || record > count_) return Fail(kRecordNotFound);
  off_t at = static_cast<off_t>(record - 1) * recordLength_;
  if (pread(fd_, record_.data(), recordLength_, at) != static_cast<ssize_t>(recordLength_))
    return FailWithErrno(errno);
  current_ = record;
  return 0;
}

int32_t DataFile::Add() {
  if (!IsOpen()) return Fail(kFileNotOpen);
  if (!CanWrite()) return Fail(kAccessDenied);
  off_t at = static_cast<off_t>(count_) * recordLength_;
  if (pwrite(fd_, record_.data(), recordLength_, at) != static_cast<ssize_t>(recordLength_)) {
    int error = errno;
    int dropped = ftruncate(fd_, at);  // drop a part-written record
    (void)dropped;
    return FailWithErrno(error);
  }
  if (fsync(fd_) != 0) return FailWithErrno(errno);
  ++count_;
  current_ = count_;
  return BuildKeys();
}

void RegisterDataFile(DataFile* file) { DataFiles().push_back(file); }

void ForgetDataFile(DataFile* file) { std::erase(DataFiles(), file); }

size_t DataFileListSize() { return DataFiles().size(); }

void DisposeDataFileList() { DataFiles().clear(); }

}  // namespace qor::fw
