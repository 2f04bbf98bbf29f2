#pragma once
// The runtime's trace log: a sink for lines of diagnostic text. It is off by default.
// When the environment variable QOR_TRACE_LOG names a file, each line is appended to
// that file (and flushed at once, so a line written just before the process ends is
// kept). Tests and hosts may install a sink of their own.
#include <cstdio>
#include <string>
#include <string_view>

namespace qor::rt {

class TraceSink {
 public:
  virtual ~TraceSink() = default;
  // One line of text, without its line end.
  virtual void WriteLine(std::string_view line) = 0;
};

// Appends each line and a newline to a file, opened on first use.
class FileTraceSink : public TraceSink {
 public:
  explicit FileTraceSink(std::string path) : path_(std::move(path)) {}
  ~FileTraceSink() override;
  FileTraceSink(const FileTraceSink&) = delete;
  FileTraceSink& operator=(const FileTraceSink&) = delete;

  void WriteLine(std::string_view line) override;

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

// Installs `sink` as the trace log (the caller keeps it alive). nullptr puts the
// default back: the file named by QOR_TRACE_LOG, read again when next needed, or none.
void InstallTraceSink(TraceSink* sink);

// True when lines written now go somewhere.
bool TraceLogEnabled();

// Writes one line to the trace log; does nothing while the log is off.
void WriteTraceLine(std::string_view line);

}  // namespace qor::rt
