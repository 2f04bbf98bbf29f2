#include "tools/qor/locale_setup.h"

#include "os/intl_profile.h"
#include "runtime/base/error_state.h"
#include "runtime/locale/locale.h"

namespace qor::tool {

void EnsureLocale() {
  static bool done = false;
  if (done) return;
  done = true;
  rt::ApplyPlatformSettings(os::ReadIntlProfile());
}

std::string EscapedEnvironmentValue(std::string_view value) {
  std::string out;
  for (char c : value) {
    unsigned char b = static_cast<unsigned char>(c);
    if (c == '<') out += "<<";
    else if (b < 0x20 || b >= 0x7F) out += "<" + std::to_string(b) + ">";
    else out += c;
  }
  return out;
}

std::string ReadEnvironmentFile(std::string_view file, const rt::EnvironmentObserver& observer) {
  if (file.empty()) return "the environment file name is empty";
  if (rt::ReadEnvironment(file, observer)) return "";
  return "cannot read the environment file " + std::string(file) + " (error " + std::to_string(rt::ErrorCode()) +
         ": " + rt::ErrorText() + ")";
}

}  // namespace qor::tool
