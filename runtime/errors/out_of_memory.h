#pragma once
// Memory that the C++ library cannot get (a failed `new`) ends the program the way the
// runtime's own fatal errors do, instead of an uncaught exception and an abort: the
// report "Insufficient Memory" (error 308) on standard error and exit code 2 on the
// orderly path. Should the report itself run out of memory, a fixed line is written and
// the process ends with 2 at once.
namespace qor::rt {

// Makes the report the process's answer to a failed `new`. Programs call it first thing.
void InstallOutOfMemoryReport();

}  // namespace qor::rt
