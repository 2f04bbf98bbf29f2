// The fatal run-time error report.
#include "runtime/errors/run_time_error.h"

#include <string>

#include "os/debugger.h"
#include "runtime/base/error_state.h"
#include "runtime/base/fatal_hooks.h"
#include "runtime/base/flags.h"
#include "runtime/base/ui_service.h"
#include "runtime/errors/report_text.h"
#include "runtime/startup/process_exit.h"
#include "runtime/startup/shutdown.h"

namespace qor::rt {
namespace {

constexpr char kReportTitle[] = "Runtime error";
constexpr char kReportQuestion[] = "\nDo you want to GPF?";
constexpr size_t kReportLimit = 255;

// The error text (for a non-zero code, which also sets the error state) and the
// additional text, joined by " : ".
std::string ReportText(int32_t code, const char* additionalText) {
  std::string report;
  if (code != 0) {
    SetError(code);
    report = ErrorText();
    if (additionalText) report += " : ";
  }
  if (additionalText) report += additionalText;
  if (report.size() > kReportLimit) report.resize(kReportLimit);
  return report;
}

// A run-time error raised while the report is up (from the box's own message loop)
// shows no second box: it is written to standard error and the process ends with 2.
bool reportShowing = false;

// Shows the report and asks whether to stop for a debugger. Without a display the
// answer is No, the orderly path.
void ShowReport(const std::string& report) {
  if (reportShowing) {
    WriteTitledText(kReportTitle, report);
    CloseAllFiles();
    SetHalted(true);
    Exit(2);
  }
  std::string boxText = report + kReportQuestion;
  BoxRequest request{boxText, kReportTitle, BoxIcon::Stop, kBoxYes | kBoxNo, kBoxNo};
  reportShowing = true;
  uint32_t answer = ShowRuntimeBox(request, report);
  reportShowing = false;
  if (answer == kBoxYes) os::BreakIntoDebugger();
}

}  // namespace

void RunTimeError(int32_t code, const char* additionalText) {
  std::string report = ReportText(code, additionalText);
  RunTimeErrorHook hook = CurrentRunTimeErrorHook();
  if (hook && RuntimeActive()) {
    PushReportText(report);
    hook(code);
  } else {
    ShowReport(report);
  }
  CloseAllFiles();
  SetHalted(true);
  Exit(2);
}

}  // namespace qor::rt
