#pragma once
// The in-memory description a dialog is built from: the dialog window's style, caption,
// size and font, and its controls, each with a class name, text, id, style and place.
// Positions and sizes are in dialog units: a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its character height.
#include <cstdint>
#include <string>
#include <vector>

namespace qor::ui {

// Dialog styles (the low bits of the dialog's window style).
inline constexpr uint32_t DS_SYSMODAL = 0x0002;    // kept above every other window while it runs
inline constexpr uint32_t DS_SETFONT = 0x0040;     // the template names the font
inline constexpr uint32_t DS_MODALFRAME = 0x0080;  // the dialog frame, without an icon in the caption
inline constexpr uint32_t DS_CENTER = 0x0800;      // a modeless dialog centred on its owner or the screen

// The usual control ids of a dialog's buttons.
inline constexpr intptr_t IDOK = 1;
inline constexpr intptr_t IDCANCEL = 2;
inline constexpr intptr_t IDABORT = 3;
inline constexpr intptr_t IDRETRY = 4;
inline constexpr intptr_t IDIGNORE = 5;
inline constexpr intptr_t IDYES = 6;
inline constexpr intptr_t IDNO = 7;
inline constexpr intptr_t IDHELP = 9;

struct DialogItem {
  std::string className;  // a registered class: "button", "Static", or any other
  std::string text;
  intptr_t id = 0;
  uint32_t style = 0;     // WS_CHILD is added
  uint32_t exStyle = 0;
  int x = 0;              // dialog units, in the dialog's client area
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct DialogTemplate {
  uint32_t style = 0;     // WS_* and DS_*
  uint32_t exStyle = 0;
  int x = 0;              // dialog units; where a modeless dialog goes (modal ones are centred)
  int y = 0;
  int cx = 0;             // the client area's size, dialog units
  int cy = 0;
  std::string title;
  // With DS_SETFONT: the font's face, size in points and weight.
  std::string face;
  int pointSize = 0;
  int weight = 400;
  bool italic = false;
  std::vector<DialogItem> items;
};

}  // namespace qor::ui
