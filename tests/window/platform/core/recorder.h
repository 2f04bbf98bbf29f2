#pragma once
// Test support: a window class whose procedure writes every message it receives into a
// log ("main WM_SETFOCUS 0"), then hands it to the default procedure, and a fixture that
// gives each test a headless host and a clean desktop.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/hosts/headless_host.h"

namespace qor::ui::testing {

inline constexpr const char* kRecorderClass = "Recorder";
inline constexpr const char* kDoubleClickClass = "RecorderDbl";

// The log entry of a message: the window's name, the message's name and the parameters
// that matter for it (handles by name).
class MessageLog {
 public:
  void Name(Hwnd hwnd, const std::string& name) { names_[hwnd.value] = name; }
  std::string NameOf(Hwnd hwnd) const;
  void Record(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);
  // Every entry since the last Take, and forget them.
  std::vector<std::string> Take();
  void Clear() { entries_.clear(); }
  // Messages left out of the log (to keep sequences about one thing).
  void Ignore(uint32_t message) { ignored_.push_back(message); }
  void Heed(uint32_t message) { std::erase(ignored_, message); }

  // Called for each message before the default procedure; a result stops it there.
  std::function<std::optional<LResult>(Hwnd, uint32_t, WParam, LParam)> react;

 private:
  std::map<uint32_t, std::string> names_;
  std::vector<std::string> entries_;
  std::vector<uint32_t> ignored_;
};

MessageLog& Log();
std::string MessageName(uint32_t message);
LResult RecorderProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A window of the recorder class, named in the log by its title.
  Hwnd Make(const std::string& name, uint32_t style, Hwnd parent = Hwnd{}, Rect at = {10, 10, 210, 110},
            const char* className = kRecorderClass, intptr_t id = 0);
  std::vector<std::string> Take() { return Log().Take(); }

  HeadlessHost host;
};

}  // namespace qor::ui::testing
