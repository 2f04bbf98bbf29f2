#pragma once
// The dialog template of a message box: popup, visible, caption, close box, modal frame
// and its own font (system-modal when asked), the icon's place (a hidden static, id
// 2704, with the icon painted by the dialog beneath it), the text
// static (id -1, "&" shown as it is) and one push button per shown entry, in table
// order, the default one with the default-push style.
#include <cstdint>
#include <string>
#include <vector>

#include "window/message_box/box_layout.h"
#include "window/message_box/button_table.h"
#include "window/platform/dialogs/dialog_template.h"

namespace qor::win {

inline constexpr intptr_t kBoxIconId = 2704;
inline constexpr intptr_t kBoxTextId = -1;

// The face the box is written in.
struct BoxFace {
  std::string face;
  int weight = 0;
};
inline constexpr int kBoxPointSize = 8;
// "Helv" bold, or "MS Sans Serif" regular when the runtime flag word asks for the newer look.
BoxFace CurrentBoxFace();

struct BoxContent {
  std::string title;
  std::string text;                  // already broken into lines
  std::vector<std::string> captions;  // of the shown buttons, in order
  std::vector<intptr_t> ids;
  size_t defaultButton = 0;          // index into captions
  bool systemModal = false;
};

ui::DialogTemplate MakeBoxTemplate(const BoxLayout& layout, const BoxContent& content, const BoxFace& face);

}  // namespace qor::win
