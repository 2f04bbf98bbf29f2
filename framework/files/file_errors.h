#pragma once
// What a FileManager asks of the error manager that reports its file's errors: the
// three operations it calls, so that the manager can be tested with a scripted one and
// the class library's ErrorManager can stand behind it.
#include <cstdint>
#include <string_view>

namespace qor::fw {

class FileErrors {
 public:
  virtual ~FileErrors() = default;
  // The name "%File" stands for in messages.
  virtual void SetFileName(std::string_view name) = 0;
  // Takes a copy of the runtime's error state for the next message.
  virtual void CaptureErrorState() = 0;
  // Shows message `id` by its severity and returns the level (0, 4, 5; fatal ends the
  // program).
  virtual uint8_t Raise(uint16_t id) = 0;
};

}  // namespace qor::fw
