// Environment-file bytes: split into settings and applied to the locale.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/base/message_text.h"
#include "runtime/environment/environment_file.h"
#include "runtime/environment/environment_settings.h"
#include "runtime/locale/collation.h"
#include "runtime/locale/locale.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::rt;
  ResetLocale();
  ClearMessageOverrides();
  EnvironmentObserver observer = [](std::string_view name, std::string_view value) {
    if (name.empty() || value.size() > kEnvironmentValueLimit) __builtin_trap();
  };
  EnvironmentReader reader(observer);
  ParseEnvironmentText(std::string_view(reinterpret_cast<const char*>(data), size),
                       [&](const std::string& name, const std::string& value) {
                         if (name.size() > kEnvironmentNameLimit || value.size() > kEnvironmentValueLimit)
                           __builtin_trap();
                         reader.Apply(name, value);
                       });
  CompareStrings("Strasse", "Stra\xDF" "e");
  return 0;
}
