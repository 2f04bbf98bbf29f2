#include "app/driver/script_runner.h"

#include <malloc.h>

#include <cstdio>
#include <optional>
#include <string>

#include "app/driver/control_windows.h"
#include "app/driver/input_actions.h"
#include "app/driver/output_escape.h"
#include "app/driver/property_probe.h"
#include "app/driver/script_reader.h"
#include "app/driver/state_lines.h"
#include "app/driver/window_probes.h"
#include "app/tester_state.h"
#include "os/stream_failure.h"
#include "runtime/heap/heap.h"
#include "runtime/heap/heap_check.h"
#include "window/events/event_queries.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/timers.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app::drv {
namespace {

ScriptRunner* g_running = nullptr;  // the one runner, for its timer's procedure

bool SomethingQueued() {
  ui::Msg msg;
  return ui::PeekMessage(msg, ui::Hwnd{}, 0, 0, ui::PM_NOREMOVE);
}

// "heap<TAB>BLOCKS<TAB>BYTES<TAB>LARGE<TAB>MALLOC": the runtime heap's blocks in use,
// their bytes, the blocks that have regions of their own, and the bytes the C library's
// allocator has handed out and not had back.
std::string HeapLine(const rt::HeapCensus& census) {
  struct mallinfo2 c = ::mallinfo2();
  return "heap\t" + std::to_string(census.usedBlocks) + "\t" + std::to_string(census.usedBytes) + "\t" +
         std::to_string(census.largeBlocks) + "\t" + std::to_string(c.uordblks + c.hblkhd);
}

std::string Numbered(int32_t number, const std::string& rest) { return std::to_string(number) + "\t" + rest; }

}  // namespace

ScriptRunner::ScriptRunner(Script script, DriverWorld world) : script_(std::move(script)), world_(std::move(world)) {
  g_running = this;
}

ScriptRunner::~ScriptRunner() {
  if (timer_) ui::KillTimer(ui::Hwnd{}, timer_);
  if (g_running == this) g_running = nullptr;
}

void ScriptRunner::AtIdle() {
  if (finished_ || timer_) return;
  win::Window* window = world_.window();
  if (!window) return;
  if (!started_) {
    started_ = true;
    MovePointer(PointOffWindow(win::WindowHandle(window)));
    if (SomethingQueued()) return;
  }
  while (next_ < script_.commands.size()) {
    const Command& command = script_.commands[next_];
    if (phase_ == 0 && world_.commandStarts) world_.commandStarts();
    Step step = RunStep(command);
    if (finished_) return;
    if (step == Step::Yield) {
      ++phase_;
      if (timer_ || SomethingQueued()) return;
      continue;
    }
    ++next_;
    phase_ = 0;
    carriedOut_ = false;
    if (step == Step::YieldLast && SomethingQueued()) return;
  }
  finished_ = true;  // the end of the script acts as `close`
  world_.requestClose();
}

void ScriptRunner::AtEnd() {
  if (timer_) ui::KillTimer(ui::Hwnd{}, timer_);
  timer_ = 0;
  if (carriedOut_) ++next_;
  if (!finished_ && next_ < script_.commands.size()) {
    const Command& command = script_.commands[next_];
    finished_ = true;
    failed_ = true;
    std::fprintf(world_.err, "%s\n",
                 ScriptErrorLine(script_.name, {command.line, std::string(CommandName(command.kind)) +
                                                                  ": the window is closed"})
                     .c_str());
    world_.requestExitCode(2);
  }
  if (std::optional<std::string> failure = os::StreamWriteFailure(world_.out)) {
    // The readings are the script's result: losing them is a failure, not success.
    std::fprintf(world_.err, "kzt_asm: cannot write the output: %s\n", failure->c_str());
    failed_ = true;
    world_.requestExitCode(2);
  }
}

ScriptRunner::Step ScriptRunner::RunStep(const Command& command) {
  switch (command.kind) {
    case CommandKind::Press: return Press(command);
    case CommandKind::Hold: return Hold(command);
    case CommandKind::Spin: return Spin(command);
    case CommandKind::Type: return Type(command);
    case CommandKind::Key: return Chord(command.key, phase_) ? Step::YieldLast : Step::Yield;
    case CommandKind::Wait: return Wait(command);
    case CommandKind::Shot:
    case CommandKind::Shown: return Picture(command);
    case CommandKind::Close:
      finished_ = true;
      world_.requestClose();
      return Step::Continue;
    default: return Output(command);
  }
}

bool ScriptRunner::Aim(const Command& command) {
  ui::Hwnd hwnd = ControlWindow(world_.window(), command.control);
  if (!hwnd) return false;
  aim_ = CentreOf(hwnd);
  return true;
}

ScriptRunner::Step ScriptRunner::Press(const Command& command) {
  if (phase_ == 0) {
    if (!Aim(command)) return Fail(command, "control " + std::to_string(command.control) + " is not there");
    LeftButton(true, aim_);
    return Step::Yield;
  }
  LeftButton(false, aim_);
  MovePointer(PointOffWindow(win::WindowHandle(world_.window())));
  return Step::YieldLast;
}

ScriptRunner::Step ScriptRunner::Hold(const Command& command) {
  if (phase_ == 0) return Press(command);
  if (phase_ == 1 && command.milliseconds > 0) {
    StartTimer(command.milliseconds);
    return Step::Yield;
  }
  return Press(command);  // its second step: up, and the pointer off the window
}

ScriptRunner::Step ScriptRunner::Spin(const Command& command) {
  if (phase_ == 0) {
    ui::Hwnd hwnd = ControlWindow(world_.window(), command.control);
    std::optional<ui::Point> arrow = hwnd ? SpinArrowPoint(hwnd, command.up) : std::nullopt;
    if (!arrow) return Fail(command, "control " + std::to_string(command.control) + " shows no arrows");
    aim_ = *arrow;
  }
  if (phase_ < static_cast<int>(command.count) * 2) {
    LeftButton(phase_ % 2 == 0, aim_);
    return Step::Yield;
  }
  MovePointer(PointOffWindow(win::WindowHandle(world_.window())));
  return Step::YieldLast;
}

ScriptRunner::Step ScriptRunner::Type(const Command& command) {
  if (phase_ <= 1) return Press(command) == Step::Continue ? Step::Continue : Step::Yield;  // a click in its text
  if (phase_ <= 5) {  // Home; then Shift+End in its three parts
    Chord(phase_ == 2 ? KeyChord{ui::VK_HOME} : KeyChord{ui::VK_END, true}, phase_ == 2 ? 1 : phase_ - 3);
    return Step::Yield;
  }
  if (phase_ == 6) {
    if (command.text.empty()) {
      ChordKey(KeyChord{ui::VK_DELETE});
    } else {
      TypeBytes(command.text);
    }
    return Step::Yield;
  }
  ChordKey(KeyChord{ui::VK_TAB});
  return Step::YieldLast;
}

bool ScriptRunner::Chord(const KeyChord& chord, int part) {
  if (part == 1) {
    ChordKey(chord);
    carriedOut_ = true;  // Alt+F4 may close the window before the modifiers go up
  } else {
    ChordModifiers(chord, part == 0);
  }
  return part >= 2;
}

ScriptRunner::Step ScriptRunner::Wait(const Command& command) {
  if (phase_ > 0 || command.milliseconds == 0) return Step::Continue;
  StartTimer(command.milliseconds);
  return Step::Yield;
}

ScriptRunner::Step ScriptRunner::Output(const Command& command) {
  const win::Window* window = world_.window();
  std::optional<std::string> line;
  switch (command.kind) {
    case CommandKind::Read:
      if (auto text = ControlText(window, command.control)) line = Numbered(command.control, EscapeOutput(*text));
      break;
    case CommandKind::Tip:
      if (auto text = ControlTip(window, command.control)) line = Numbered(command.control, EscapeOutput(*text));
      break;
    case CommandKind::Color:
      if (auto colours = ControlColours(window, command.control)) {
        line = Numbered(command.control, HexColour(colours->text) + "\t" + HexColour(colours->background));
      }
      break;
    case CommandKind::Prop:
      if (auto value = PropertyText(world_.window(), command.control, command.property)) {
        line = Numbered(command.control, PropertyName(command.property) + "\t" + EscapeOutput(*value));
      }
      break;
    case CommandKind::Focus: line = "focus\t" + std::to_string(win::FocusControl()); break;
    case CommandKind::State:
      if (const TesterState* state = world_.state()) {
        for (const std::string& each : StateLines(*state)) Print(each);
        std::fflush(world_.out);
        return Step::Continue;
      }
      break;
    case CommandKind::Heap: {
      rt::HeapCensus census = rt::CheckHeap(rt::CurrentHeap());
      if (!census.fault.empty()) return Fail(command, "the heap is damaged: " + census.fault);
      line = HeapLine(census);
      break;
    }
    default: break;
  }
  if (!line && command.kind == CommandKind::Prop) return Fail(command, "property " + PropertyName(command.property) + " cannot be read");
  if (!line) return Fail(command, "control " + std::to_string(command.control) + " is not there");
  Print(*line);
  std::fflush(world_.out);
  return Step::Continue;
}

ScriptRunner::Step ScriptRunner::Picture(const Command& command) {
  ui::Hwnd top = win::WindowHandle(world_.window());
  std::string error = "the window shows nothing";
  bool written = false;
  if (command.kind == CommandKind::Shot) {
    written = ui::WriteWindowPng(top, command.text, &error);
  } else if (std::optional<ui::Canvas> shown = world_.shown(top)) {
    written = ui::WritePng(*shown, command.text, &error);
  }
  if (!written) return Fail(command, "cannot write " + command.text + ": " + error);
  return Step::Continue;
}

void ScriptRunner::Print(const std::string& line) { std::fprintf(world_.out, "%s\n", line.c_str()); }

ScriptRunner::Step ScriptRunner::Fail(const Command& command, const std::string& message) {
  std::fflush(world_.out);
  std::string text = std::string(CommandName(command.kind)) + ": " + message;
  std::fprintf(world_.err, "%s\n", ScriptErrorLine(script_.name, {command.line, text}).c_str());
  finished_ = true;
  failed_ = true;
  world_.requestExitCode(2);
  world_.requestClose();
  return Step::Continue;
}

void ScriptRunner::StartTimer(uint32_t milliseconds) { timer_ = ui::SetTimer(ui::Hwnd{}, 0, milliseconds, &TimerFired); }

void ScriptRunner::TimerFired(ui::Hwnd, uint32_t, uintptr_t id, uint64_t) {
  ui::KillTimer(ui::Hwnd{}, id);
  if (g_running && g_running->timer_ == id) g_running->timer_ = 0;
}

}  // namespace qor::app::drv
