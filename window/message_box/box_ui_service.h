#pragma once
// The runtime's boxes (the run-time error report, HALT's message) shown as message
// boxes: the standard table, no owner window, system-modal when asked. It has a display
// when the host has one. The window runtime installs it when it is set up and removes it
// before its host goes away.
#include "runtime/base/ui_service.h"

namespace qor::win {

class MessageBoxService final : public rt::UiService {
 public:
  bool HasDisplay() const override;
  uint32_t ShowBox(const rt::BoxRequest& request) override;
};

// Installs the one service of the process (again: nothing changes).
void InstallMessageBoxService();
// Removes it, if it is the one installed.
void RemoveMessageBoxService();

}  // namespace qor::win
