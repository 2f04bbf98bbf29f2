#pragma once
// What each environment-file setting does to the locale and the message texts.
#include <string>
#include <string_view>

#include "runtime/environment/environment_file.h"

namespace qor::rt {

// The message whose override QORBUTTON item 0 sets; the message box takes its
// button captions from here onwards.
inline constexpr int32_t kFirstButtonMessage = 32512;
inline constexpr size_t kCaseListLimit = 128;

// Applies the settings of one file in order. QORCHARSET governs only the lines after
// it within the same file: every later value but QORCOLSEQ's is converted from the
// OEM set when it says "OEM".
class EnvironmentReader {
 public:
  explicit EnvironmentReader(const EnvironmentObserver& observer) : observer_(observer) {}
  void Apply(std::string_view name, std::string_view value);

 private:
  const EnvironmentObserver& observer_;
  bool oem_ = false;
};

// The "WINDOWS" reading: the platform's collation, case pairs and AM/PM texts.
void ApplyPlatformEnvironment(const EnvironmentObserver& observer);

}  // namespace qor::rt
