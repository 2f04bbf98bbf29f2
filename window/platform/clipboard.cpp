#include "window/platform/clipboard.h"

#include "window/platform/host.h"

namespace qor::ui {

void SetClipboardText(const std::string& text) { CurrentHost().SetClipboardText(text); }

std::string GetClipboardText() { return CurrentHost().ClipboardText(); }

bool ClipboardHasText() { return !CurrentHost().ClipboardText().empty(); }

}  // namespace qor::ui
