#include "window/message_box/message_statement.h"

#include "runtime/values/value_stack_convert.h"
#include "window/message_box/box_style.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/message_box_core.h"
#include "window/platform/resources/icon.h"

namespace qor::win {
namespace {

MessageHandler handler = nullptr;

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string BarsAsLineBreaks(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '|') {
      shown += "\r\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int32_t ShowBox(const std::string& text, const MessageArguments& a, const std::string& buttons,
                const MessageBoxOptions& options) {
  if (buttons.empty()) return static_cast<int32_t>(StandardMessageBox(text, a.title, kButtonOk, kButtonOk, options));
  if (buttons.find('|') == std::string::npos && IsDigit(buttons[0])) {
    uint32_t mask = ButtonMaskOf(buttons);
    return static_cast<int32_t>(
        StandardMessageBox(text, a.title, mask, static_cast<uint32_t>(a.defaultButton), options));
  }
  return CustomMessageBox(text, a.title, buttons, a.defaultButton, options);
}

}  // namespace

void SetMessageHandler(MessageHandler replacement) { handler = replacement; }
MessageHandler CurrentMessageHandler() { return handler; }

uint32_t ButtonMaskOf(std::string_view digits) {
  uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) break;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
  }
  return static_cast<uint32_t>(value) & kStandardButtonBits;
}

int32_t Message(const MessageArguments& a) {
  if (handler) return handler(a);
  MessageBoxOptions options;
  std::string iconName = WithoutTrailingBlanks(a.icon);
  if (!iconName.empty()) {
    options.ownIcon = LoadBoxIcon(iconName);
    if (options.ownIcon != ui::IconHandle::None) options.style = kBoxIconOwn;
  }
  if (a.modal != 0) options.style |= kBoxSystemModal;
  int32_t result = ShowBox(BarsAsLineBreaks(a.text), a, WithoutTrailingBlanks(a.buttons), options);
  if (options.ownIcon != ui::IconHandle::None) ui::DestroyIcon(options.ownIcon);
  return result;
}

int32_t MessageFromStack(int32_t defaultButton, int32_t modal) {
  MessageArguments a;
  a.buttons = rt::StrPopString();
  a.icon = rt::StrPopString();
  a.title = rt::StrPopString();
  a.text = rt::StrPopString();
  a.defaultButton = defaultButton;
  a.modal = modal;
  return Message(a);
}

}  // namespace qor::win
