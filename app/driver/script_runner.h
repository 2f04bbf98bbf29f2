#pragma once
// Carries out a checked script against the running tester. The program calls AtIdle each
// time its accept loop is about to sleep with nothing left to do (event queue empty, no
// message, paint or timer pending): the runner then does the next step of the script and
// returns, and the loop handles what that step queued before calling again. A step that
// queues nothing goes straight on to the next, so the loop only sleeps (and the headless
// clock only moves) while a `wait` or `hold` runs its timer. AtEnd, once the procedure
// has returned, reports a script the window's closing cut short.
//
// Mouse commands aim at the control's centre (a spin box's arrow) and leave the pointer
// off the window afterwards; the first step of all moves the pointer off the window.
// A command that cannot be carried out prints "kzt_asm: NAME:LINE: MESSAGE", asks for
// exit code 2 and closes the window; the end of the script closes it as `close` does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/driver/driver_world.h"
#include "app/driver/script_command.h"

namespace qor::app::drv {

class ScriptRunner {
 public:
  ScriptRunner(Script script, DriverWorld world);
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  void AtIdle();
  void AtEnd();
  // True once a command could not be carried out.
  bool Failed() const { return failed_; }

 private:
  // How a step ends: go on at once with the next command; let the loop handle what the
  // step queued and come back for the command's next step; or the same, the command
  // being complete once the loop has handled it.
  enum class Step { Continue, Yield, YieldLast };

  Step RunStep(const Command& command);
  Step Press(const Command& command);
  Step Hold(const Command& command);
  Step Spin(const Command& command);
  Step Type(const Command& command);
  // Part 0, 1 or 2 of a chord (see input_actions.h); true after the last.
  bool Chord(const KeyChord& chord, int part);
  Step Wait(const Command& command);
  Step Output(const Command& command);
  Step Picture(const Command& command);
  void Print(const std::string& line);
  bool Aim(const Command& command);
  Step Fail(const Command& command, const std::string& message);
  void StartTimer(uint32_t milliseconds);
  static void TimerFired(ui::Hwnd hwnd, uint32_t message, uintptr_t id, uint64_t time);

  Script script_;
  DriverWorld world_;
  size_t next_ = 0;     // the command carried out now
  int phase_ = 0;       // its next step
  ui::Point aim_;       // where its mouse button goes down
  uintptr_t timer_ = 0; // the running wait, 0 for none
  bool carriedOut_ = false;  // the command's own input is queued; only its release is left
  bool started_ = false;
  bool finished_ = false;
  bool failed_ = false;
};

}  // namespace qor::app::drv
