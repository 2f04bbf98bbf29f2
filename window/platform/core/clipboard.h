#pragma once
// The clipboard, for text. It belongs to the host (the desktop's clipboard, or a string
// for the headless host).
#include <string>

namespace qor::ui {

void SetClipboardText(const std::string& text);
std::string GetClipboardText();
bool ClipboardHasText();

}  // namespace qor::ui
