#include "app/block_slices.h"

namespace qor::app {

void LimitSliceFields(TesterState& state) {
  if (state.G1S > kBlockSize) state.G1S = kBlockSize;
  if (state.G2S > kBlockSize) state.G2S = kBlockSize;
  if (state.G1S < 1) state.G1S = 1;
  if (state.G2S < 1) state.G2S = 1;
  if (state.GL < 1) state.GL = 1;
  if (state.GL > kBlockSize + 1 - state.G1S) state.GL = kBlockSize + 1 - state.G1S;
  if (state.GL > kBlockSize + 1 - state.G2S) state.GL = kBlockSize + 1 - state.G2S;
}

void ComputeSlices(TesterState& state) {
  LimitSliceFields(state);
  state.G1Slice = TextSlice{state.G1 + (state.G1S - 1), state.GL};
  state.G2Slice = TextSlice{state.G2 + (state.G2S - 1), state.GL};
}

}  // namespace qor::app
