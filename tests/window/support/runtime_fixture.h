#pragma once
// Test support for the window runtime: a headless host on the virtual clock, stand-in
// control kinds for every record type (each a plain child window that reports its focus
// and logs what the runtime asks of it), small definitions registered as resources, and
// a loop driver that logs one line per event with its virtual time.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "runtime/base/trace_log.h"
#include "window/definition/records.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/use_variable.h"

namespace qor::win {
struct Window;
class Control;
}

namespace qor::win::testing {

// The class of the stand-in controls' windows.
inline constexpr char kStandInClass[] = "QorStandIn";

// What the stand-ins were asked to do, one line each ("display 2", "store 3").
std::vector<std::string>& StandInLog();
// The address of each variable shown, in display order.
std::vector<const void*>& DisplayedAddresses();
// Controls whose contents the completion pass finds invalid.
std::set<int32_t>& InvalidControls();
// Registers the stand-in kind for every record type that has a layout.
void RegisterStandIns();

// Records and definitions.
ControlRecord Button(int32_t number);
ControlRecord Entry(int32_t number, uint8_t typeCode = 6, uint32_t size = 4);
WindowRecord SmallWindow(const std::string& label, std::vector<ControlRecord> controls = {});
// Registers the definition in the tests' module under its qualified name.
void Define(const std::string& qualifiedName, const std::vector<WindowRecord>& windows);

class RecordingSink : public rt::TraceSink {
 public:
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

class WindowRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Prepares a window of a definition defined earlier; released at the end of the test.
  Window* Prepare(const std::string& qualifiedName, const std::string& label, std::vector<UseVariable> uses = {});
  // Defines a one-window definition "test$<label>" and prepares it. Without use
  // variables, each variable-showing control gets one of its record's type and size.
  Window* PrepareSmall(const WindowRecord& record, std::vector<UseVariable> uses = {});
  // Use variables of the record's types and sizes, owned by the test.
  std::vector<UseVariable> VariablesFor(const WindowRecord& record);
  // Gives the focus to a control's window, as the user's click would.
  static void SetFocusTo(Window* window, int32_t number);

  // Runs an accept loop on the active window: `react` sees each event and gives the
  // outcome; every event is logged as "<ms since start> <EVENT:Name> <control>".
  void Loop(const std::function<int()>& react);
  // Runs a loop that logs and leaves after `count` events (0 for no limit).
  void LoopFor(int count);
  // The line for the current event.
  std::string Line();
  uint64_t Elapsed() { return host.Now() - start; }

  ui::HeadlessHost host;
  uint64_t start = 0;
  std::vector<std::string> events;
  std::vector<Window*> prepared;
  RecordingSink trace;
  int loopGeneration = 0;
  std::deque<std::vector<uint8_t>> storage;
};

}  // namespace qor::win::testing
