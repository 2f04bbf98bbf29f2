#include "window/message_box/box_template.h"

#include "runtime/base/flags.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/draw/font.h"
#include "window/platform/system_controls/static_control.h"
#include "window/platform/core/styles.h"

namespace qor::win {
namespace {

ui::DialogItem Item(const char* className, std::string text, intptr_t id, uint32_t style, const ui::Rect& place) {
  return {className, std::move(text), id, style, 0, place.left, place.top, place.Width(), place.Height()};
}

}  // namespace

BoxFace CurrentBoxFace() {
  if (rt::RuntimeFlagWord() & rt::kNewLookFlag) return {"MS Sans Serif", ui::FW_NORMAL};
  return {"Helv", ui::FW_BOLD};
}

ui::DialogTemplate MakeBoxTemplate(const BoxLayout& layout, const BoxContent& content, const BoxFace& face) {
  ui::DialogTemplate dialog;
  dialog.style = ui::WS_POPUP | ui::WS_VISIBLE | ui::WS_CAPTION | ui::WS_SYSMENU | ui::DS_MODALFRAME | ui::DS_SETFONT;
  if (content.systemModal) dialog.style |= ui::DS_SYSMODAL;
  dialog.cx = layout.cx;
  dialog.cy = layout.cy;
  dialog.title = content.title;
  dialog.face = face.face;
  dialog.pointSize = kBoxPointSize;
  dialog.weight = face.weight;
  // The icon's static only holds its place: it stays hidden, so that the icon the dialog
  // paints beneath it is not covered.
  if (!layout.icon.IsEmpty()) dialog.items.push_back(Item(ui::kStaticClass, "", kBoxIconId, ui::SS_ICON, layout.icon));
  dialog.items.push_back(
      Item(ui::kStaticClass, content.text, kBoxTextId, ui::WS_VISIBLE | ui::SS_LEFT | ui::SS_NOPREFIX, layout.text));
  for (size_t i = 0; i < content.captions.size() && i < layout.buttons.size(); ++i) {
    uint32_t style = ui::WS_VISIBLE | ui::WS_TABSTOP | (i == content.defaultButton ? ui::BS_DEFPUSHBUTTON : ui::BS_PUSHBUTTON);
    dialog.items.push_back(Item(ui::kButtonClass, content.captions[i], content.ids[i], style, layout.buttons[i]));
  }
  return dialog;
}

}  // namespace qor::win
