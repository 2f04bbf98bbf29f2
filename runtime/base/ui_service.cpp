#include "runtime/base/ui_service.h"

#include <cstdio>

namespace qor::rt {
namespace {

UiService* installed = nullptr;

void WriteToStandardError(std::string_view title, std::string_view text) {
  std::fflush(stdout);
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
               static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
}

}  // namespace

void InstallUiService(UiService* service) { installed = service; }
UiService* InstalledUiService() { return installed; }

uint32_t ShowRuntimeBox(const BoxRequest& request, std::string_view consoleText) {
  if (installed && installed->HasDisplay()) return installed->ShowBox(request);
  WriteToStandardError(request.title, consoleText);
  return request.defaultButton;
}

}  // namespace qor::rt
