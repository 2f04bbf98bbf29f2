#pragma once
// kzt_asm as a real process for the driver's tests: a script given as text is written to
// a file of the test's own (or fed on standard input) and run headless.
#include <string>
#include <vector>

#include "tests/tools/run_process.h"

namespace qor::app::drv::testing {

// A fresh path in the build folder for a file the test or the program writes.
std::string OutputPath(const std::string& name);

// kzt_asm with these arguments.
test::ProcessResult RunKzt(const std::vector<std::string>& args, const std::vector<std::string>& env = {});
// `kzt_asm --headless --script FILE [extra...]` with the script in FILE.
test::ProcessResult RunScript(const std::string& script, const std::vector<std::string>& extra = {});
// The same with the script on standard input ("--script -").
test::ProcessResult RunScriptOnStdin(const std::string& script, const std::vector<std::string>& extra = {});

// RunScript that expects a clean run (exit 0, nothing on standard error) and gives what
// it printed.
std::string RunScriptOk(const std::string& script, const std::vector<std::string>& extra = {});

// The lines of a text (each ended by LF).
std::vector<std::string> Lines(const std::string& text);

}  // namespace qor::app::drv::testing
