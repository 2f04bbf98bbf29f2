#pragma once
// How the runtime shows its own boxes (the run-time error report, HALT's message,
// the interface version check). The window runtime installs a service once it is
// set up; the text goes to standard error as well, and until then, or whenever the
// service has no display, the runtime takes the box's default answer.
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

// Writes "<title>: <text>" and a line end to standard error, each CR LF of the text
// as one line end.
void WriteTitledText(std::string_view title, std::string_view text);

// Writes "<title>: <consoleText>" to standard error, then shows the box through the
// service when one with a display is installed and returns its answer; without one the
// default button is the answer.
uint32_t ShowRuntimeBox(const BoxRequest& request, std::string_view consoleText);

}  // namespace qor::rt
