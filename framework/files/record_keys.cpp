#include "framework/files/record_keys.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>

namespace qor::fw {
namespace {

void AppendU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

std::string_view SliceOf(std::string_view data, uint32_t recordLength, uint32_t record, const KeySlice& key) {
  size_t start = static_cast<size_t>(record) * recordLength;
  size_t offset = std::min<size_t>(key.offset, recordLength);
  size_t length = std::min<size_t>(key.length, recordLength - offset);
  return data.substr(start + offset, length);
}

}  // namespace

std::string BuildKeyFileContents(std::string_view data, uint32_t recordLength, const std::vector<KeySlice>& keys) {
  uint32_t count = recordLength == 0 ? 0 : static_cast<uint32_t>(data.size() / recordLength);
  std::string out;
  std::vector<uint32_t> order(count);
  for (const KeySlice& key : keys) {
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      return SliceOf(data, recordLength, a, key) < SliceOf(data, recordLength, b, key);
    });
    for (uint32_t record : order) AppendU32(out, record + 1);
  }
  return out;
}

int WriteKeyFileAtomically(const std::string& path, const std::string& contents) {
  const std::string temporary = path + ".tmp";
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = 0;
  size_t done = 0;
  while (error == 0 && done < contents.size()) {
    ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) error = n < 0 ? errno : EIO;
    else done += static_cast<size_t>(n);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  return error;
}

}  // namespace qor::fw
