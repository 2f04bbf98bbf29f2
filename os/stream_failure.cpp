#include "os/stream_failure.h"

#include <cerrno>
#include <cstring>

namespace qor::os {

std::optional<std::string> StreamWriteFailure(std::FILE* stream) {
  errno = 0;
  if (std::fflush(stream) == 0 && !std::ferror(stream)) return std::nullopt;
  // An earlier failure leaves only the stream's error mark, not its reason.
  return errno != 0 ? std::string(std::strerror(errno)) : std::string("write error");
}

}  // namespace qor::os
