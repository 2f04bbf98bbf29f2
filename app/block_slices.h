#pragma once
// The slices of G1 and G2 that the slice buttons work on: G1[G1S, G1S+GL-1] and
// G2[G2S, G2S+GL-1]. A slice never reaches outside its block, whatever G1S, G2S and GL
// hold: the spin arrows keep them in range, but a typed value is stored as typed, so
// the limits are applied again before every slice is taken.
#include "app/tester_state.h"

namespace qor::app {

// Brings G1S, G2S and GL within the blocks, in this order: starts above 90 become 90;
// starts below 1 become 1 and a length below 1 becomes 1; then GL is cut to what is
// left of G1 after G1S (91 - G1S) and then to what is left of G2 after G2S. Values
// already within the blocks are left alone.
void LimitSliceFields(TesterState& state);

// Applies LimitSliceFields, then sets G1Slice to (byte G1S of G1, GL) and G2Slice to
// (byte G2S of G2, GL). The fields keep the limited values, so a routine given GL as
// the length works on exactly the slices.
void ComputeSlices(TesterState& state);

}  // namespace qor::app
