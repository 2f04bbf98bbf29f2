#pragma once
// TesterWindow: the window manager of the tester procedure. It adds one field, the link
// to the procedure's frame (its state, the loop counter of the button timing, its
// toolbar dispatcher and the way to open its window), and overrides five handlers, each
// of which calls the base first and returns the base's result:
//   Init               sets the procedure's fields, attaches the toolbar, opens the window;
//   HandleAccepted     the operation of the accepted button (check first); 66 applies
//                      the button timing;
//   HandleEvent        after every Accepted and NewSelection: a number button of group
//                      30 sets V2, and every view is rebuilt and redisplayed;
//   HandleNewSelection 64 applies the button timing; 92, 100, 103 limit the slices;
//   HandleWindowEvent  OpenWindow gives the state its open values; Timer is a flash step.
#include <cstdint>
#include <functional>

#include "app/tester_state.h"
#include "framework/window_manager/toolbar_dispatcher.h"
#include "framework/window_manager/window_manager.h"

namespace qor::app {

// The procedure's local variables the window's handlers reach.
struct ProcedureFrame {
  TesterState state;
  int32_t* counter = nullptr;  // the loop variable of ApplyButtonTiming
  fw::ToolbarDispatcher toolbar;
  std::function<void()> openWindow;
};

// Controls with a part of their own in the handlers.
inline constexpr int32_t kNumberGroup = 30;
inline constexpr int32_t kButtonDelayField = 64;
inline constexpr int32_t kButtonRepeatField = 66;
inline constexpr int32_t kG1SField = 92;
inline constexpr int32_t kG2SField = 100;
inline constexpr int32_t kGLField = 103;
inline constexpr int32_t kFirstField = 1;

class TesterWindow : public fw::WindowManager {
 public:
  TesterWindow(fw::WindowPrimitives& primitives, ProcedureFrame& frame)
      : WindowManager(primitives), frame_(&frame) {}

  // Method-table order.
  uint8_t Init() override;
  uint8_t HandleAccepted() override;
  uint8_t HandleEvent() override;
  uint8_t HandleNewSelection() override;
  uint8_t HandleWindowEvent() override;

 private:
  TesterState& State() { return frame_->state; }
  void ApplyButtonTiming();
  // Takes the control's shown value into its variable (every control for 0), then holds
  // G1S, G2S and GL inside the blocks.
  void LimitSlices(int32_t control);
  void SetOpenValues();

  ProcedureFrame* frame_;
};

}  // namespace qor::app
