#include "window/platform/core/clipboard.h"

#include "window/platform/core/host.h"

namespace qor::ui {

void SetClipboardText(const std::string& text) { CurrentHost().SetClipboardText(text); }

std::string GetClipboardText() { return CurrentHost().ClipboardText(); }

bool ClipboardHasText() { return !CurrentHost().ClipboardText().empty(); }

}  // namespace qor::ui
