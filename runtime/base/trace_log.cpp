#include "runtime/base/trace_log.h"

#include <cstdlib>
#include <memory>

namespace qor::rt {
namespace {

constexpr const char* kTraceLogVariable = "QOR_TRACE_LOG";

struct TraceLogState {
  TraceSink* installed = nullptr;
  bool defaultChosen = false;
  std::unique_ptr<FileTraceSink> defaultSink;  // null when QOR_TRACE_LOG is unset
};

// Never destroyed: a diagnostic raised while the process exits must still find it.
TraceLogState& State() {
  static auto* state = new TraceLogState;
  return *state;
}

TraceSink* ChooseDefaultSink(TraceLogState& state) {
  if (!state.defaultChosen) {
    state.defaultChosen = true;
    const char* path = std::getenv(kTraceLogVariable);
    if (path != nullptr && *path != '\0') state.defaultSink = std::make_unique<FileTraceSink>(path);
  }
  return state.defaultSink.get();
}

TraceSink* CurrentSink() {
  TraceLogState& state = State();
  return state.installed != nullptr ? state.installed : ChooseDefaultSink(state);
}

}  // namespace

FileTraceSink::~FileTraceSink() {
  if (file_ != nullptr) std::fclose(file_);
}

void FileTraceSink::WriteLine(std::string_view line) {
  if (file_ == nullptr) file_ = std::fopen(path_.c_str(), "a");
  if (file_ == nullptr) return;  // a log that cannot be opened stays silent
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

void InstallTraceSink(TraceSink* sink) {
  TraceLogState& state = State();
  state.installed = sink;
  if (sink == nullptr) {
    state.defaultChosen = false;
    state.defaultSink.reset();
  }
}

bool TraceLogEnabled() { return CurrentSink() != nullptr; }

void WriteTraceLine(std::string_view line) {
  if (TraceSink* sink = CurrentSink()) sink->WriteLine(line);
}

}  // namespace qor::rt
