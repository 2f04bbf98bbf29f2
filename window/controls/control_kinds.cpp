#include "window/controls/control_kinds.h"

#include <array>

namespace qor::win {
namespace {

std::array<ControlFactory, 256>& Kinds() {
  static std::array<ControlFactory, 256> kinds{};
  return kinds;
}

}  // namespace

void RegisterControlKind(uint8_t type, ControlFactory factory) { Kinds()[type] = factory; }
ControlFactory ControlKindOf(uint8_t type) { return Kinds()[type]; }
void ClearControlKinds() { Kinds().fill(nullptr); }

std::unique_ptr<Control> CreateControl(Window& owner, const ControlRecord& record) {
  ControlFactory factory = ControlKindOf(record.type);
  return factory ? factory(owner, record) : nullptr;
}

}  // namespace qor::win
