#pragma once
// What each button of the tester does to the state, apart from any window: the check it
// runs first (bit number, rotation count, or the slices taken) and its action. The
// number buttons of group 30 are the one exception: their value is their caption, which
// the window supplies (SetV2FromCaption).
#include <cstdint>
#include <string_view>

#include "app/tester_state.h"

namespace qor::app {

enum class OperationCheck {
  None,
  BitNumber,      // V2:U in 0..31; the operation is skipped when it fails
  RotationCount,  // V2:U in 1..32; the rotation still runs, modulo 32
  Slices,         // ComputeSlices (which limits G1S, G2S and GL) first
};

struct OperationOutcome {
  bool performed = false;    // the control has an operation (it ran unless its check skipped it)
  bool checkFailed = false;  // the warning flash is to start
};

// True for the controls with an operation: the zero, random and copy buttons and the
// operation buttons.
bool HasOperation(int32_t control);
OperationCheck CheckOf(int32_t control);

// Runs the control's check, then its action. A control without an operation does nothing.
OperationOutcome PerformOperation(TesterState& state, int32_t control);

// Starts the warning flash over: six steps to come.
void StartFlash(TesterState& state);

// V2:U = the number a number button shows ("0" .. "32"), blanks around it ignored;
// text that is not a number gives 0.
void SetV2FromCaption(TesterState& state, std::string_view caption);

}  // namespace qor::app
