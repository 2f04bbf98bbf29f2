#pragma once
// The program on the desktop: the display opened as the host, SIGINT and SIGTERM closing
// the window in order, then the program itself.
#include "app/tester/tester_program.h"

namespace qor::app {

// Without a display: a message naming --headless on standard error, and 2 is returned.
// Otherwise never returns.
int RunOnDesktop(const ProgramAdditions& additions = {});

}  // namespace qor::app
