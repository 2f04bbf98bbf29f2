#pragma once
// The working state of the tester procedure: three registers, two 90-byte blocks with
// the start positions and length that select slices of them, the one-byte carry cell
// of the byte shifts, and the button timing. The window's controls are bound to these
// fields and show and edit them in place.
#include <cstdint>
#include <functional>

#include "app/register_record.h"

namespace qor::app {

inline constexpr int32_t kBlockSize = 90;

// A run of bytes inside one of the blocks: its address and length.
struct TextSlice {
  char* address = nullptr;
  int32_t length = 0;
};

struct TesterState {
  // Aligned so that the atomic bit routines can work on each register's value.
  alignas(4) RegisterRecord V1{};
  alignas(4) RegisterRecord V2{};
  alignas(4) RegisterRecord V3{};
  char G1[kBlockSize] = {};
  char G2[kBlockSize] = {};
  int32_t G1S = 0;  // start of the slice of G1, counted from 1
  int32_t G2S = 0;  // start of the slice of G2, counted from 1
  int32_t GL = 0;  // length of both slices
  char SH1[1] = {' '};  // the byte the byte shifts feed in and receive
  TextSlice G1Slice;
  TextSlice G2Slice;
  int32_t ButtonDelay = 0;
  int32_t ButtonRepeat = 0;
  int32_t FlashCount = 0;

  // Redisplays every control of the window; the window layer fills it in when it
  // binds the controls. Until then a refresh only rebuilds the views.
  std::function<void()> redisplay;
};

// The values when the procedure starts: registers zero with blank views, blocks blank,
// slices empty, numbers 0, SH1 one blank.
void SetProcedureStartValues(TesterState& state);

// The values set when the window opens: G1 "1234567890" nine times, G2 ninety "x",
// G1S = G2S = 1, GL = 90, SH1 "#", both slices the whole of their block, ButtonDelay
// 20, ButtonRepeat 10, FlashCount 0. The registers are left as they are.
void SetWindowOpenValues(TesterState& state);

// Rebuilds the views of V1, V2 and V3, in that order, then redisplays the window.
void RefreshViews(TesterState& state);

}  // namespace qor::app
