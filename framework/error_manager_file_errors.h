#pragma once
// The class library's error manager standing behind a file manager: the file's name, the
// error state and the messages a file manager raises go to the procedure's ErrorManager.
#include "framework/error_manager.h"
#include "framework/files/file_errors.h"

namespace qor::fw {

class ErrorManagerFileErrors final : public FileErrors {
 public:
  explicit ErrorManagerFileErrors(ErrorManager& errors) : errors_(errors) {}

  void SetFileName(std::string_view name) override { errors_.SetFileName(name); }
  void CaptureErrorState() override { errors_.CaptureErrorState(); }
  uint8_t Raise(uint16_t id) override { return errors_.Raise(id); }

 private:
  ErrorManager& errors_;
};

}  // namespace qor::fw
