#include "app/tester/application_globals.h"

namespace qor::app {

ApplicationGlobals& Globals() {
  static ApplicationGlobals globals;
  return globals;
}

}  // namespace qor::app
