#include "window/windows/record_walk.h"

#include <optional>

namespace qor::win {
namespace {

void Walk(const std::vector<ControlRecord>& records, const std::function<void(const ControlRecord&)>& visit) {
  for (const ControlRecord& record : records) {
    visit(record);
    Walk(record.children, visit);
  }
}

}  // namespace

void ForEachControlRecord(const WindowRecord& window, const std::function<void(const ControlRecord&)>& visit) {
  Walk(window.controls, visit);
}

bool ShowsUseVariable(const ControlRecord& record) {
  std::optional<RecordLayout> layout = LayoutOf(record.type);
  return layout && ShowsVariable(*layout);
}

}  // namespace qor::win
