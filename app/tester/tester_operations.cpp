#include "app/tester/tester_operations.h"

#include <charconv>

#include "app/block_slices.h"
#include "app/routines.h"

namespace qor::app {
namespace {

using Action = void (*)(TesterState&);

struct Operation {
  int32_t control;
  OperationCheck check;
  Action action;
};

// Bit numbers, counts and values go to the routines as the signed words they are.
int32_t Count(const TesterState& s) { return s.V2.L; }

uint8_t Fill(const TesterState& s) { return static_cast<uint8_t>(s.SH1[0]); }
void TakeShiftedOut(TesterState& s, int32_t code) { s.SH1[0] = static_cast<char>(code); }

constexpr OperationCheck kNone = OperationCheck::None;
constexpr OperationCheck kBit = OperationCheck::BitNumber;
constexpr OperationCheck kRotation = OperationCheck::RotationCount;
constexpr OperationCheck kSlices = OperationCheck::Slices;

// By control number.
constexpr Operation kOperations[] = {
    {6, kNone, [](TesterState& s) { ZeroRegister(s.V1); }},
    {7, kNone, [](TesterState& s) { RandomFillRegister(s.V1); }},
    {18, kNone, [](TesterState& s) { ZeroRegister(s.V2); }},
    {19, kNone, [](TesterState& s) { RandomFillRegister(s.V2); }},
    {51, kNone, [](TesterState& s) { ZeroRegister(s.V3); }},
    {52, kNone, [](TesterState& s) { RandomFillRegister(s.V3); }},
    {67, kBit, [](TesterState& s) { s.V3.L = BTS(&s.V1.U, Count(s)); }},
    {68, kBit, [](TesterState& s) { s.V3.L = BTR(&s.V1.U, Count(s)); }},
    {69, kBit, [](TesterState& s) { s.V3.L = BTC(&s.V1.U, Count(s)); }},
    {70, kBit, [](TesterState& s) { s.V3.L = BT(&s.V1.U, Count(s)); }},
    {71, kNone, [](TesterState& s) {
       s.V3.U = s.V1.U;
       s.V1.L = BSWAP(&s.V1.U);
     }},
    {72, kNone, [](TesterState& s) { CopyRegister(s.V1, s.V2); }},
    {73, kNone, [](TesterState& s) { CopyRegister(s.V1, s.V3); }},
    {74, kNone, [](TesterState& s) { CopyRegister(s.V2, s.V1); }},
    {75, kNone, [](TesterState& s) { CopyRegister(s.V2, s.V3); }},
    {76, kNone, [](TesterState& s) { CopyRegister(s.V3, s.V1); }},
    {77, kNone, [](TesterState& s) { CopyRegister(s.V3, s.V2); }},
    {78, kBit, [](TesterState& s) { BR(&s.V1.U, Count(s)); }},
    {79, kBit, [](TesterState& s) { BC(&s.V1.U, Count(s)); }},
    {80, kRotation, [](TesterState& s) { s.V3.L = BRORS(&s.V1.U, Count(s)); }},
    {81, kRotation, [](TesterState& s) { s.V1.L = BROL(&s.V1.U, Count(s)); }},
    {82, kNone, [](TesterState& s) { SWAPL(&s.V1.U, &s.V3.U); }},
    {83, kBit, [](TesterState& s) { BS(&s.V1.U, Count(s)); }},
    {84, kRotation, [](TesterState& s) { s.V1.L = BROR(&s.V1.U, Count(s)); }},
    {85, kNone, [](TesterState& s) { SWAPS(&s.V1.U, &s.V3.U); }},
    {86, kNone, [](TesterState& s) { SWAPB(&s.V1.U, &s.V3.U); }},
    {90, kRotation, [](TesterState& s) { s.V3.L = BROLS(&s.V1.U, Count(s)); }},
    {98, kNone, [](TesterState& s) { SWAPG(s.G1, s.G2, kBlockSize); }},
    {101, kSlices, [](TesterState& s) { SWAPG(s.G1Slice.address, s.G2Slice.address, s.GL); }},
    {104, kSlices, [](TesterState& s) { GROL(s.G1Slice.address, s.GL); }},
    {105, kNone, [](TesterState& s) { GROL(s.G1, kBlockSize); }},
    {106, kNone, [](TesterState& s) { GBRL(s.G1, kBlockSize); }},
    {108, kSlices, [](TesterState& s) { GROR(s.G1Slice.address, s.GL); }},
    {109, kNone, [](TesterState& s) { GROR(s.G1, kBlockSize); }},
    {110, kNone, [](TesterState& s) { GBRR(s.G1, kBlockSize); }},
    {111, kSlices, [](TesterState& s) { TakeShiftedOut(s, GSHL(s.G1Slice.address, s.GL, Fill(s))); }},
    {112, kNone, [](TesterState& s) { TakeShiftedOut(s, GSHL(s.G1, kBlockSize, Fill(s))); }},
    {113, kSlices, [](TesterState& s) { GBRL(s.G1Slice.address, s.GL); }},
    {117, kSlices, [](TesterState& s) { TakeShiftedOut(s, GSHR(s.G1Slice.address, s.GL, Fill(s))); }},
    {118, kNone, [](TesterState& s) { TakeShiftedOut(s, GSHR(s.G1, kBlockSize, Fill(s))); }},
    {119, kSlices, [](TesterState& s) { GBRR(s.G1Slice.address, s.GL); }},
    {120, kNone, [](TesterState& s) { s.V3.L = BSF(&s.V1.U); }},
    {121, kNone, [](TesterState& s) { s.V3.L = BSR(&s.V1.U); }},
};

const Operation* Find(int32_t control) {
  for (const Operation& operation : kOperations) {
    if (operation.control == control) return &operation;
  }
  return nullptr;
}

bool BitNumberValid(const TesterState& s) { return s.V2.U <= 31; }
bool RotationCountValid(const TesterState& s) { return s.V2.U >= 1 && s.V2.U <= 32; }

}  // namespace

bool HasOperation(int32_t control) { return Find(control) != nullptr; }

OperationCheck CheckOf(int32_t control) {
  const Operation* operation = Find(control);
  return operation ? operation->check : OperationCheck::None;
}

OperationOutcome PerformOperation(TesterState& state, int32_t control) {
  const Operation* operation = Find(control);
  if (!operation) return {};
  OperationOutcome outcome{true, false};
  switch (operation->check) {
    case OperationCheck::BitNumber:
      // A bit number out of range touches nothing: the flash is all that happens.
      if (!BitNumberValid(state)) return {true, true};
      break;
    case OperationCheck::RotationCount: outcome.checkFailed = !RotationCountValid(state); break;
    case OperationCheck::Slices: ComputeSlices(state); break;
    case OperationCheck::None: break;
  }
  operation->action(state);
  return outcome;
}

void StartFlash(TesterState& state) { state.FlashCount = 6; }

void SetV2FromCaption(TesterState& state, std::string_view caption) {
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
  uint32_t value = 0;
  auto [end, error] = std::from_chars(caption.data(), caption.data() + caption.size(), value);
  state.V2.U = (error == std::errc() && end == caption.data() + caption.size()) ? value : 0;
}

}  // namespace qor::app
