// Fuzzes the driver's script reader: any text either reads into commands or is refused
// with a line inside the text and a message; what reads is within every range.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/driver/control_sets.h"
#include "app/driver/script_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::app::drv;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const ControlSets& controls = TesterControlSets();
  ScriptReading reading = ReadScript("fuzz", text, controls);
  if (!reading.script) {
    if (reading.error.line < 1 || reading.error.message.empty()) __builtin_trap();
    return 0;
  }
  for (const Command& command : reading.script->commands) {
    if (command.line < 1 || command.control < 0 || command.control > controls.lastControl) __builtin_trap();
    if (command.milliseconds > kLongestWait || command.count < 1 || command.count > kMostSpinClicks) __builtin_trap();
    if (command.property > 0xFFFF) __builtin_trap();
  }
  return 0;
}
