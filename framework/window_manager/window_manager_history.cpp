// WindowManager's field history: each history field remembers its value when the form
// completes, and the history key (or the history button) puts it back.
#include <algorithm>

#include "framework/window_manager/window_manager.h"

namespace qor::fw {

void WindowManager::RestoreFieldHistory(int32_t control) {
  if (!history_) return;
  for (HistoryField& field : *history_) {
    if (field.control != control) continue;
    std::copy(field.saved.begin(), field.saved.end(), field.value.begin());
    window_.DisplayControl(control);
    return;
  }
}

// Two history records may share one variable; it is copied once.
void WindowManager::RememberFieldHistory() {
  if (!history_) return;
  const uint8_t* previous = nullptr;
  for (HistoryField& field : *history_) {
    if (field.value.data() == previous) continue;
    field.saved.assign(field.value.begin(), field.value.end());
    previous = field.value.data();
  }
}

void WindowManager::SetAlertKeys() {
  for (ListObject* list : Lists()) list->RegisterAlertKeys();
  if (!history_) return;
  for (const HistoryField& field : *history_) window_.SetAlertKey(field.control, historyKey_);
}

}  // namespace qor::fw
