#include "app/driver/property_probe.h"

#include <cstdio>

#include "window/property_access/property_calls.h"

namespace qor::app::drv {

std::optional<std::string> PropertyText(win::Window* window, int32_t control, uint32_t property) {
  if (!window) return std::nullopt;
  return win::ReadProperty(*window, control, static_cast<int32_t>(property)).AsText();
}

std::string PropertyName(uint32_t property) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", property & 0xFFFF);
  return text;
}

}  // namespace qor::app::drv
