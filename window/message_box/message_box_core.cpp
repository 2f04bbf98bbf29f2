#include "window/message_box/message_box_core.h"

#include <bit>
#include <vector>

#include "runtime/base/ui_service.h"
#include "window/message_box/box_layout.h"
#include "window/message_box/box_style.h"
#include "window/message_box/box_template.h"
#include "window/message_box/box_text.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/detail/box_dialog.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/core/focus.h"
#include "window/platform/draw/font.h"
#include "window/platform/core/host.h"
#include "window/platform/resources/icon.h"
#include "window/platform/resources/stock_icons.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"

namespace qor::win {
namespace {

constexpr uint32_t kBoxFrameStyle = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;

// The buttons shown: the table entries whose bits are asked for, else the first alone.
std::vector<size_t> ShownButtons(const ButtonTable& table, uint32_t buttons) {
  std::vector<size_t> shown;
  for (size_t i = 0; i < table.size() && i < kMaxBoxButtons; ++i)
    if (table[i].bit & buttons) shown.push_back(i);
  if (shown.empty() && !table.empty()) shown.push_back(0);
  return shown;
}

// The first shown button, or the last shown one the default mask names.
size_t DefaultOf(const ButtonTable& table, const std::vector<size_t>& shown, uint32_t defaultButton) {
  size_t chosen = 0;
  for (size_t i = 0; i < shown.size(); ++i)
    if (table[shown[i]].bit & defaultButton) chosen = i;
  return chosen;
}

ui::IconHandle IconFor(uint32_t style, ui::IconHandle ownIcon) {
  switch (style & kBoxIconMask) {
    case kBoxIconStop: return ui::LoadIcon(nullptr, ui::IDI_HAND);
    case kBoxIconQuestion: return ui::LoadIcon(nullptr, ui::IDI_QUESTION);
    case kBoxIconExclamation: return ui::LoadIcon(nullptr, ui::IDI_EXCLAMATION);
    case kBoxIconInformation: return ui::LoadIcon(nullptr, ui::IDI_ASTERISK);
    case kBoxIconOwn: return ownIcon;
    default: return ui::IconHandle::None;
  }
}

ui::TextMeasure MeasureWith(ui::DeviceContext& dc) {
  ui::TextMetrics metrics;
  ui::GetTextMetrics(&dc, &metrics);
  return {[&dc](std::string_view run) {
            ui::Size size;
            return ui::GetTextExtentPoint32(&dc, run, &size) ? size.cx : 0;
          },
          metrics.height, metrics.averageCharWidth};
}

// Everything the dialog is made of; false when the font cannot be had.
bool Prepare(std::string_view text, std::string_view title, const ButtonTable& table,
             const std::vector<size_t>& shown, size_t defaultIndex, const MessageBoxOptions& options,
             detail::BoxDialogRun& run) {
  BoxFace face = CurrentBoxFace();
  ui::DeviceContext dc;
  dc.canvas = std::make_shared<ui::Canvas>();
  dc.font = ui::CreatePointFont(face.face, kBoxPointSize, face.weight, false);
  ui::DialogBaseUnits units = ui::MeasureBaseUnits(dc.font);
  if (!dc.font || units.width <= 0 || units.height <= 0) return false;
  ui::TextMeasure measure = MeasureWith(dc);

  run.icon = IconFor(options.style, options.ownIcon);
  ui::Size icon = run.icon != ui::IconHandle::None ? ui::Size{ui::kIconSize, ui::kIconSize} : ui::Size{};
  uint32_t frameStyle = kBoxFrameStyle | ui::DS_MODALFRAME;
  ui::Size largest = LargestClient(ui::ScreenSize(), frameStyle);
  BoxTextLimits limits = TextLimits(units, icon, largest, measure.lineHeight);
  BoxText broken = BreakBoxText(text, limits.width, limits.maxLines, measure);

  BoxLayout layout = LayOutBox({units, broken.extent, icon, static_cast<int>(shown.size()), largest});
  BoxContent content{std::string(title), broken.Joined(), {}, {}, defaultIndex,
                     (options.style & kBoxSystemModal) != 0};
  for (size_t index : shown) {
    content.captions.push_back(ButtonCaption(table[index], index));
    content.ids.push_back(table[index].id);
  }
  run.dialog = MakeBoxTemplate(layout, content, face);
  run.iconPlace = layout.icon;
  run.defaultId = content.ids[defaultIndex];
  return true;
}

ui::Hwnd OwnerFor(const MessageBoxOptions& options) {
  if (options.withoutOwner) return ui::Hwnd{};
  if (ui::Hwnd current = BoxCurrentWindow()) return current;
  if (ui::Hwnd frame = BoxFrameWindow()) return frame;
  return ui::GetActiveWindow();
}

uint32_t NobodyAnswered(std::string_view title, std::string_view text) {
  rt::WriteTitledText(title, text);
  return 0;
}

}  // namespace

uint32_t MessageBoxCore(std::string_view text, std::string_view title, uint32_t buttons, uint32_t defaultButton,
                        const ButtonTable& table, const MessageBoxOptions& options) {
  if (!ui::CurrentHost().HasDisplay() || table.empty()) return NobodyAnswered(title, text);
  ui::Hwnd focus = ui::GetFocus();
  std::vector<size_t> shown = ShownButtons(table, buttons);
  detail::BoxDialogRun run;
  if (!Prepare(text, title, table, shown, DefaultOf(table, shown, defaultButton), options, run)) {
    return NobodyAnswered(title, text);
  }
  intptr_t ended = detail::RunBoxDialog(run, OwnerFor(options));
  if (ended < 0) return NobodyAnswered(title, text);
  if (focus && ui::IsWindow(focus)) ui::SetFocus(focus);
  for (size_t index : shown)
    if (table[index].id == ended) return table[index].bit;
  return 0;
}

uint32_t StandardMessageBox(std::string_view text, std::string_view title, uint32_t buttons, uint32_t defaultButton,
                            const MessageBoxOptions& options) {
  return MessageBoxCore(text, title, buttons & kStandardButtonBits, defaultButton, StandardButtons(), options);
}

int CustomMessageBox(std::string_view text, std::string_view title, std::string_view buttonList, int defaultPosition,
                     const MessageBoxOptions& options) {
  ButtonTable table = CustomButtons(buttonList);
  int count = static_cast<int>(table.size());
  uint32_t defaultBit = defaultPosition >= 1 && defaultPosition <= count ? 1u << (defaultPosition - 1) : 1u;
  uint32_t all = count >= 32 ? ~0u : (1u << count) - 1;
  uint32_t pressed = MessageBoxCore(text, title, all, defaultBit, table, options);
  return pressed ? std::countr_zero(pressed) + 1 : 0;
}

}  // namespace qor::win
