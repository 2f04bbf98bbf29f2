#include "runtime/base/ui_service.h"

#include <cstdio>
#include <string>

namespace qor::rt {
namespace {

UiService* installed = nullptr;

}  // namespace

void WriteTitledText(std::string_view title, std::string_view text) {
  std::string line(title);
  line += ": ";
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += text[i];
  }
  line += '\n';
  std::fflush(stdout);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void InstallUiService(UiService* service) { installed = service; }
UiService* InstalledUiService() { return installed; }

uint32_t ShowRuntimeBox(const BoxRequest& request, std::string_view consoleText) {
  WriteTitledText(request.title, consoleText);
  if (installed && installed->HasDisplay()) return installed->ShowBox(request);
  return request.defaultButton;
}

}  // namespace qor::rt
