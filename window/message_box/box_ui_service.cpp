#include "window/message_box/box_ui_service.h"

#include "window/message_box/box_style.h"
#include "window/message_box/message_box_core.h"
#include "window/platform/core/host.h"

namespace qor::win {
namespace {

uint32_t StyleFor(const rt::BoxRequest& request) {
  uint32_t style = 0;
  switch (request.icon) {
    case rt::BoxIcon::Stop: style = kBoxIconStop; break;
    case rt::BoxIcon::Question: style = kBoxIconQuestion; break;
    case rt::BoxIcon::Exclamation: style = kBoxIconExclamation; break;
    case rt::BoxIcon::Information: style = kBoxIconInformation; break;
    case rt::BoxIcon::None: break;
  }
  return request.systemModal ? style | kBoxSystemModal : style;
}

MessageBoxService& TheService() {
  static MessageBoxService service;
  return service;
}

}  // namespace

bool MessageBoxService::HasDisplay() const { return ui::CurrentHost().HasDisplay(); }

uint32_t MessageBoxService::ShowBox(const rt::BoxRequest& request) {
  MessageBoxOptions options;
  options.style = StyleFor(request);
  options.withoutOwner = true;
  return StandardMessageBox(request.text, request.title, request.buttons, request.defaultButton, options);
}

void InstallMessageBoxService() { rt::InstallUiService(&TheService()); }

void RemoveMessageBoxService() {
  if (rt::InstalledUiService() == &TheService()) rt::InstallUiService(nullptr);
}

}  // namespace qor::win
