#include "app/driver/property_probe.h"

#include <cstdio>

namespace qor::app::drv {

std::optional<std::string> PropertyText(win::Window*, int32_t, uint32_t) { return std::nullopt; }

std::string PropertyName(uint32_t property) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", property & 0xFFFF);
  return text;
}

}  // namespace qor::app::drv
