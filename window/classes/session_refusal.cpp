#include "window/classes/session_refusal.h"

#include "os/module.h"
#include "runtime/base/flags.h"
#include "runtime/base/ui_service.h"
#include "window/platform/core/window_geometry.h"

namespace qor::win {
namespace {

// Bit 3 of the runtime's flag word: use the alternative caption.
bool AlternativeCaptionWanted() { return (rt::RuntimeFlagWord() & rt::kAlternativeCaptionFlag) != 0; }

std::string BaseName(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

std::string SessionRefusalCaption() {
  return AlternativeCaptionWanted() ? kAlternativeCaption : BaseName(os::ExecutablePath());
}

void RefuseSessionEnd(ui::Hwnd hwnd) {
  ui::BringWindowToTop(hwnd);
  std::string caption = SessionRefusalCaption();
  rt::BoxRequest request;
  request.text = kSessionRefusalText;
  request.title = caption;
  request.icon = rt::BoxIcon::Exclamation;
  request.buttons = rt::kBoxOk;
  request.defaultButton = rt::kBoxOk;
  request.systemModal = true;
  rt::ShowRuntimeBox(request, kSessionRefusalText);
}

}  // namespace qor::win
