#pragma once
// The registry of control kinds by record type. Each kind registers a factory at start-up;
// opening a window asks the factory of each control record's type for the control, and a
// type that no kind registered creates nothing.
#include <cstdint>
#include <memory>

#include "window/controls/control.h"

namespace qor::win {

// Makes the control and its platform window; null when it cannot.
using ControlFactory = std::unique_ptr<Control> (*)(Window& owner, const ControlRecord& record);

// Registers (or, with null, removes) the factory of a record type.
void RegisterControlKind(uint8_t type, ControlFactory factory);
ControlFactory ControlKindOf(uint8_t type);
// Forgets every registered kind.
void ClearControlKinds();

// The control of a record, from its kind's factory; null when no kind is registered for
// the record's type or the factory made nothing.
std::unique_ptr<Control> CreateControl(Window& owner, const ControlRecord& record);

}  // namespace qor::win
