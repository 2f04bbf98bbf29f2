#pragma once
// Walking a window record's controls in creation order: each control, then (for a group
// box) its children.
#include <functional>

#include "window/definition/records.h"

namespace qor::win {

void ForEachControlRecord(const WindowRecord& window, const std::function<void(const ControlRecord&)>& visit);
// True when the record's kind shows a use variable (entry, spin, ...).
bool ShowsUseVariable(const ControlRecord& record);

}  // namespace qor::win
