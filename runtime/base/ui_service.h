#pragma once
// How the runtime shows its own boxes (the run-time error report, HALT's message,
// the interface version check). The window runtime installs a service once it is
// set up; until then, and whenever the service has no display, the runtime writes
// the text to standard error and takes the box's default answer.
#include <cstdint>
#include <string_view>

namespace qor::rt {

// Button bits, as message boxes return them.
inline constexpr uint32_t kBoxOk = 1;
inline constexpr uint32_t kBoxYes = 2;
inline constexpr uint32_t kBoxNo = 4;

enum class BoxIcon { None, Stop, Question, Exclamation, Information };

struct BoxRequest {
  std::string_view text;
  std::string_view title;
  BoxIcon icon = BoxIcon::Stop;
  uint32_t buttons = kBoxOk;        // an OR of button bits
  uint32_t defaultButton = kBoxOk;  // one of them
  bool systemModal = false;         // stays in front of every window until answered
};

class UiService {
 public:
  virtual ~UiService() = default;
  // False when there is no display to show anything on.
  virtual bool HasDisplay() const = 0;
  // Shows a box owned by the desktop (no owner window), waits for the answer and
  // returns the bit of the button pressed.
  virtual uint32_t ShowBox(const BoxRequest& request) = 0;
};

// Installs the service (null removes it). The runtime does not own it.
void InstallUiService(UiService* service);
UiService* InstalledUiService();

// Shows the box through the service when one with a display is installed; otherwise
// writes "<title>: <consoleText>" to standard error and returns the default button.
uint32_t ShowRuntimeBox(const BoxRequest& request, std::string_view consoleText);

}  // namespace qor::rt
