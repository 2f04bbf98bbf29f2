#include "app/tester/kzt_a001.h"

#include <memory>
#include <vector>

#include "app/tester/application_globals.h"
#include "app/tester/tester_window.h"
#include "framework/window_manager/window_primitives.h"
#include "runtime/heap/heap.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app {
namespace {

constexpr char kProcedure[] = "kzt_asm$KZT_A001";
constexpr char kWindowLabel[] = "P1$WINDOW";

constexpr uint8_t kByte = 1;
constexpr uint8_t kLong = 6;
constexpr uint8_t kUlong = 7;
constexpr uint8_t kString = 18;

TesterState* runningState = nullptr;
win::Window* runningWindow = nullptr;
fw::WindowManager* runningManager = nullptr;

void AddRegister(std::vector<win::UseVariable>& uses, RegisterRecord& reg) {
  uses.push_back({&reg.U, kUlong, 4});
  uses.push_back({&reg.L, kLong, 4});
  uses.push_back({&reg.BG.B1, kByte, 1});
  uses.push_back({&reg.BG.B2, kByte, 1});
  uses.push_back({&reg.BG.B3, kByte, 1});
  uses.push_back({&reg.BG.B4, kByte, 1});
  uses.push_back({reg.H, kString, RegisterRecord::kHexLength});
  uses.push_back({reg.B, kString, RegisterRecord::kBitsLength});
}

// The 32 variables in the order of the controls that show them.
std::vector<win::UseVariable> BoundVariables(TesterState& state) {
  std::vector<win::UseVariable> uses;
  AddRegister(uses, state.V1);
  AddRegister(uses, state.V2);
  AddRegister(uses, state.V3);
  uses.push_back({&state.ButtonDelay, kLong, 4});
  uses.push_back({&state.ButtonRepeat, kLong, 4});
  uses.push_back({&state.G1S, kLong, 4});
  uses.push_back({state.G1, kString, kBlockSize});
  uses.push_back({state.SH1, kString, 1});
  uses.push_back({state.G2, kString, kBlockSize});
  uses.push_back({&state.G2S, kLong, 4});
  uses.push_back({&state.GL, kLong, 4});
  return uses;
}

}  // namespace

TesterState* RunningTesterState() { return runningState; }
win::Window* RunningTesterWindow() { return runningWindow; }
fw::WindowManager* RunningTesterManager() { return runningManager; }

void KZT_A001() {
  auto frame = std::make_unique<ProcedureFrame>();
  SetProcedureStartValues(frame->state);
  runningState = &frame->state;

  win::Window* window = win::PrepareWindow(kProcedure, kWindowLabel, BoundVariables(frame->state));
  runningWindow = window;
  fw::RuntimeWindowPrimitives primitives;
  frame->state.redisplay = [&primitives] { primitives.DisplayAll(); };
  frame->openWindow = [window] { win::OpenWindow(window); };
  auto manager = std::make_unique<TesterWindow>(primitives, *frame);
  runningManager = manager.get();

  frame->counter = static_cast<int32_t*>(rt::HeapAllocateCleared(1, sizeof(int32_t)));
  Globals().response = manager->Run();

  rt::HeapFree(frame->counter);
  frame->counter = nullptr;
  runningManager = nullptr;
  manager.reset();
  runningWindow = nullptr;
  win::ReleaseWindow(window);
  runningState = nullptr;
}

}  // namespace qor::app
