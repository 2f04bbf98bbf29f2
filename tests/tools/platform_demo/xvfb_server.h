#pragma once
// A private X server for a test: Xvfb on a display number it picks itself, stopped when
// the object goes. DISPLAY is set to it while it runs.
#include <sys/types.h>

#include <string>

namespace qor::tool::testing {

class XvfbServer {
 public:
  XvfbServer() = default;
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // False (with the reason) if Xvfb is not installed or did not come up.
  bool Start(std::string* error);
  // False if there is no Xvfb program to run at all.
  static bool Installed();
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace qor::tool::testing
