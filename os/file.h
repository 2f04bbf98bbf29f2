#pragma once
// Reading files. The runtime opens the few files it reads itself (the environment
// file) through here; failures carry the platform's error numbers (2 file not
// found, 3 path not found, 5 access denied), which the error state turns into text.
#include <cstddef>
#include <cstdint>
#include <string>

namespace qor::os {

inline constexpr int32_t kErrorFileNotFound = 2;
inline constexpr int32_t kErrorPathNotFound = 3;
inline constexpr int32_t kErrorAccessDenied = 5;
inline constexpr int32_t kErrorReadFault = 30;

// An open file, read from start to end. Closes itself.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens a regular file for reading; false when it cannot (LastError() says why). A
  // directory, a pipe or a device does not open (access denied), and opening never
  // waits for a writer.
  bool Open(const std::string& path);
  // The size of the open file when it was opened, in bytes.
  int64_t Size() const { return size_; }
  // Reads up to `size` bytes: the count read, 0 at the end, -1 when the read failed.
  std::ptrdiff_t Read(void* buffer, std::size_t size);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  int32_t LastError() const { return lastError_; }

 private:
  int fd_ = -1;
  int32_t lastError_ = 0;
  int64_t size_ = 0;
};

// Reads a whole file into `out`; false (and `out` empty) when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& out);

}  // namespace qor::os
