#include "app/tester_state.h"

#include <cstring>

namespace qor::app {
namespace {

void ClearRegister(RegisterRecord& reg) {
  reg.U = 0;
  std::memset(reg.H, ' ', sizeof reg.H);
  std::memset(reg.B, ' ', sizeof reg.B);
}

TextSlice WholeBlock(char* block) { return TextSlice{block, kBlockSize}; }

}  // namespace

void SetProcedureStartValues(TesterState& state) {
  ClearRegister(state.V1);
  ClearRegister(state.V2);
  ClearRegister(state.V3);
  std::memset(state.G1, ' ', sizeof state.G1);
  std::memset(state.G2, ' ', sizeof state.G2);
  state.G1S = 0;
  state.G2S = 0;
  state.GL = 0;
  state.SH1[0] = ' ';
  state.G1Slice = TextSlice{};
  state.G2Slice = TextSlice{};
  state.ButtonDelay = 0;
  state.ButtonRepeat = 0;
  state.FlashCount = 0;
}

void SetWindowOpenValues(TesterState& state) {
  static constexpr char kDigits[] = "1234567890";
  for (int32_t i = 0; i < kBlockSize; ++i) state.G1[i] = kDigits[i % 10];
  std::memset(state.G2, 'x', sizeof state.G2);
  state.G1Slice = WholeBlock(state.G1);
  state.G2Slice = WholeBlock(state.G2);
  state.GL = kBlockSize;
  state.G1S = 1;
  state.G2S = 1;
  state.SH1[0] = '#';
  state.ButtonDelay = 20;
  state.ButtonRepeat = 10;
  state.FlashCount = 0;
}

void RefreshViews(TesterState& state) {
  BuildViews(state.V1);
  BuildViews(state.V2);
  BuildViews(state.V3);
  if (state.redisplay) state.redisplay();
}

}  // namespace qor::app
