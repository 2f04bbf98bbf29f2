#pragma once
// The language's message statement. Generated code pushes the text, the title, the icon
// name and the buttons (so the buttons are on top) and passes the default button (a
// button mask for standard buttons, a 1-based number for custom ones) and a modal flag.
//
// The statement: every "|" of the text becomes CR LF; the icon name (trailing blanks
// cut) is loaded and, when it loads, shown and freed afterwards; a non-zero modal flag
// makes the box system-modal; the buttons text (trailing blanks cut) picks the box:
// empty - OK alone; with a "|" - one custom button per item (an empty item is a blank
// button); starting with a digit - the leading digits are a standard button mask
// (saturating; only the eight table bits count); anything else - that single custom
// button. Returns the pressed button's bit (standard) or position (custom), 0 if none.
//
// A replacement handler, while installed, receives the popped texts and both integers
// instead, and its answer is the statement's.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::win {

struct MessageArguments {
  std::string text;
  std::string title;
  std::string icon;
  std::string buttons;
  int32_t defaultButton = 0;
  int32_t modal = 0;
};

using MessageHandler = int32_t (*)(const MessageArguments& arguments);
void SetMessageHandler(MessageHandler handler);  // null removes it
MessageHandler CurrentMessageHandler();

// The statement with its texts given directly (the error manager's boxes come this way,
// so a replacement handler sees them too).
int32_t Message(const MessageArguments& arguments);
// The entry point for generated code: pops the buttons, icon, title and text.
int32_t MessageFromStack(int32_t defaultButton, int32_t modal);

// The standard button mask a buttons text starting with digits stands for.
uint32_t ButtonMaskOf(std::string_view digits);

}  // namespace qor::win
