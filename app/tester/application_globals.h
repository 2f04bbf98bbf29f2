#pragma once
// The program's globals, alive from start-up to exit: the error manager every window
// reports through, the settings file (named at start, never read or written), the
// request a procedure is called with, the response the tester's run ended with, and the
// navigation request behind the tester window's VCRREQUEST.
#include <cstdint>

#include "framework/error_manager.h"
#include "framework/settings/settings_file.h"

namespace qor::app {

struct ApplicationGlobals {
  fw::ErrorManager errors;
  fw::SettingsFile settings;
  uint8_t request = 0;
  uint8_t response = 0;
  int32_t navigationRequest = 0;
};

ApplicationGlobals& Globals();

}  // namespace qor::app
