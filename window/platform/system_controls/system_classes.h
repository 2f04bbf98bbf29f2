#pragma once
// The window classes the system provides: "button" (push buttons, group boxes), "Static"
// (text), the tool tip, "Edit" (a single-line text field) and "UpDown" (spin arrows). A host or a program registers them all at start-up with
// RegisterSystemClasses; a window created with one of their names, or GetClassInfo on
// one of them (to build a class on it), registers that class on the spot if nobody has.
#include <string_view>

namespace qor::ui {

// True if all of them are registered afterwards.
bool RegisterSystemClasses();

// Registers the system class of that name (any case) unless it is registered already;
// false when the name is not one of them or registration failed.
bool RegisterSystemClassNamed(std::string_view name);

}  // namespace qor::ui
