#pragma once
// The window classes of the control kinds, registered on first use. A class built on a
// system class ("button", "Static") copies its description, keeps its procedure for
// default handling, puts the kind's procedure in its place, leaves the cursor empty and
// adds one pointer-sized slot after the system class's storage for the control object;
// a missing system class is run-time error 503. A class of its own has only that slot.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win {

class Control;

struct ControlClass {
  const char* name;         // "QorButton"
  const char* base;         // the system class, null for a class of its own
  ui::WindowProc proc;      // the kind's procedure
  uint32_t ownStyle = 0;    // CS_* of a class of its own
};

// A registered kind class: the procedure to hand unhandled messages to (the base
// class's, or the default window procedure) and where the control pointer lies.
struct ControlClassUse {
  ui::WindowProc base = nullptr;
  int slot = 0;
};

// Registers the class if it is not yet. The record returned stays where it is for the
// life of the process (a procedure may keep a reference to it).
const ControlClassUse& UseControlClass(const ControlClass& kind);

// The kinds' procedures call this first: it stores the control (the creation parameter)
// at WM_CREATE and gives the control the window holds, null before WM_CREATE.
Control* ControlOfMessage(const ControlClassUse& use, ui::Hwnd hwnd, uint32_t message, ui::LParam lParam);

}  // namespace qor::win
