// Stand-in until the error report lands: prints the code and ends with exit code 2.
#include "runtime/run_time_error.h"

#include <cstdio>
#include <cstdlib>

namespace qor::rt {

void RunTimeError(int32_t code, const char* additionalText) {
  std::fprintf(stderr, "Run-time error %d%s%s\n", code, additionalText ? ": " : "",
               additionalText ? additionalText : "");
  std::exit(2);
}

}  // namespace qor::rt
