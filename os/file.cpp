#include "os/file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor::os {
namespace {

int32_t PlatformErrorFor(int err) {
  switch (err) {
    case ENOENT: return kErrorFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR: return kErrorAccessDenied;
    default: return kErrorReadFault;
  }
}

}  // namespace

InputFile::~InputFile() { Close(); }

bool InputFile::Open(const std::string& path) {
  Close();
  if (path.empty()) {
    lastError_ = kErrorFileNotFound;
    return false;
  }
  // Non-blocking, so that a pipe without a writer does not hold the open up.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    lastError_ = PlatformErrorFor(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    lastError_ = kErrorAccessDenied;
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size_ = info.st_size;
  fd_ = fd;
  lastError_ = 0;
  return true;
}

std::ptrdiff_t InputFile::Read(void* buffer, std::size_t size) {
  if (fd_ < 0) return -1;
  for (;;) {
    ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return n;
    if (errno == EINTR) continue;
    lastError_ = kErrorReadFault;
    return -1;
  }
}

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
  out.clear();
  InputFile file;
  if (!file.Open(path)) return false;
  char buffer[4096];
  for (std::ptrdiff_t n; (n = file.Read(buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
  return true;
}

}  // namespace qor::os
