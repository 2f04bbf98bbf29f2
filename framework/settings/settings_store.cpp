#include "framework/settings/settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qor::fw {
namespace {

constexpr int32_t kErrorAccessDenied = 5;
constexpr int32_t kErrorInvalidFile = 36;
constexpr int32_t kErrorFileSystem = 90;

SettingsWriteHook beforeRename = nullptr;

int32_t ErrorFromErrno(int error) {
  return error == EACCES || error == EPERM || error == EROFS ? kErrorAccessDenied : kErrorFileSystem;
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  void reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

SettingsRead ReadOpened(int fd) {
  SettingsRead read;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    read.error = kErrorAccessDenied;
    return read;
  }
  read.exists = true;
  if (static_cast<size_t>(info.st_size) > kSettingsFileLimit) {
    read.error = kErrorInvalidFile;
    return read;
  }
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.error = kErrorAccessDenied;
      break;
    }
    if (n == 0) break;
    read.text.append(buffer, static_cast<size_t>(n));
    if (read.text.size() > kSettingsFileLimit) {  // grew while being read
      read.error = kErrorInvalidFile;
      break;
    }
  }
  if (read.error) read.text.clear();
  return read;
}

SettingsRead ReadAt(int directory, const char* name) {
  Descriptor fd(openat(directory, name, O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    SettingsRead read;
    if (errno != ENOENT && errno != ENOTDIR) read.error = ErrorFromErrno(errno);
    return read;
  }
  return ReadOpened(fd.get());
}

// Creates the directory and any missing parent, each with mode 0700.
bool MakeDirectories(const std::string& directory) {
  struct stat info {};
  if (stat(directory.c_str(), &info) == 0) {
    errno = ENOTDIR;
    return S_ISDIR(info.st_mode);
  }
  size_t slash = directory.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeDirectories(directory.substr(0, slash))) return false;
  return mkdir(directory.c_str(), 0700) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

mode_t ModeOf(int directory, const char* name) {
  struct stat info {};
  return fstatat(directory, name, &info, 0) == 0 ? info.st_mode & 07777 : 0600;
}

// Writes the text to the temporary file and renames it over the file; the temporary
// file is gone afterwards whatever happened.
int32_t ReplaceFile(int directory, const std::string& name, const std::string& text) {
  const std::string temporary = SettingsTemporaryName(name);
  mode_t mode = ModeOf(directory, name.c_str());
  Descriptor fd(openat(directory, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (fd.get() < 0) return ErrorFromErrno(errno);
  int error = 0;
  if (fchmod(fd.get(), mode) != 0 || !WriteAll(fd.get(), text) || fsync(fd.get()) != 0) error = errno;
  if (close(fd.release()) != 0 && error == 0) error = errno;
  if (error == 0 && beforeRename) beforeRename();
  if (error == 0 && renameat(directory, temporary.c_str(), directory, name.c_str()) != 0) error = errno;
  if (error != 0) {
    unlinkat(directory, temporary.c_str(), 0);
    return ErrorFromErrno(error);
  }
  fsync(directory);
  return 0;
}

}  // namespace

std::string SettingsTemporaryName(const std::string& name) { return "." + name + ".tmp"; }

void SetSettingsBeforeRenameHook(SettingsWriteHook hook) { beforeRename = hook; }

SettingsRead ReadSettingsFile(const std::string& path) { return ReadAt(AT_FDCWD, path.c_str()); }

int32_t RewriteSettingsFile(const SettingsLocation& location, const SettingsEdit& edit) {
  Descriptor directory(open(location.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() < 0 && errno == ENOENT) {
    if (edit("").empty()) return 0;  // nothing to write: create nothing either
    if (!MakeDirectories(location.directory)) return ErrorFromErrno(errno);
    directory.reset(open(location.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  }
  if (directory.get() < 0) return ErrorFromErrno(errno);
  while (flock(directory.get(), LOCK_EX) != 0)
    if (errno != EINTR) return ErrorFromErrno(errno);
  unlinkat(directory.get(), SettingsTemporaryName(location.name).c_str(), 0);  // a crashed write's
  SettingsRead current = ReadAt(directory.get(), location.name.c_str());
  if (current.error) return current.error;
  std::string text = edit(current.text);
  if (text == current.text) return 0;
  return ReplaceFile(directory.get(), location.name, text);
}

}  // namespace qor::fw
