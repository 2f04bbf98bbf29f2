#include "window/message_box/button_table.h"

#include <algorithm>
#include <optional>

#include "runtime/base/message_text.h"
#include "window/message_box/box_style.h"

namespace qor::win {

const ButtonTable& StandardButtons() {
  static const ButtonTable table = {
      {kButtonOk, 1, "OK", true},         {kButtonYes, 6, "&Yes", true},    {kButtonNo, 7, "&No", true},
      {kButtonAbort, 3, "&Abort", true},  {kButtonRetry, 4, "&Retry", true}, {kButtonIgnore, 5, "&Ignore", true},
      {kButtonCancel, 2, "Cancel", true}, {kButtonHelp, 9, "&Help", true},
  };
  return table;
}

namespace {

std::vector<std::string_view> SplitAtBars(std::string_view list) {
  std::vector<std::string_view> texts;
  size_t start = 0;
  while (texts.size() < kMaxBoxButtons) {
    size_t bar = list.find('|', start);
    texts.push_back(list.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return texts;
}

std::optional<intptr_t> StandardId(std::string_view text) {
  for (const BoxButton& standard : StandardButtons())
    if (standard.text == text) return standard.id;
  return std::nullopt;
}

bool IdTaken(const ButtonTable& table, intptr_t id) {
  return std::any_of(table.begin(), table.end(), [id](const BoxButton& b) { return b.id == id; });
}

}  // namespace

ButtonTable CustomButtons(std::string_view list) {
  ButtonTable table;
  intptr_t nextCustomId = kFirstCustomButtonId;
  for (std::string_view text : SplitAtBars(list)) {
    std::optional<intptr_t> id = StandardId(text);
    if (!id || IdTaken(table, *id)) id = nextCustomId++;
    table.push_back({1u << table.size(), *id, std::string(text), false});
  }
  return table;
}

std::string ButtonCaption(const BoxButton& button, size_t index) {
  if (!button.overridable) return button.text;
  std::optional<std::string> override = rt::MessageOverride(kButtonCaptionMessage + static_cast<int32_t>(index));
  return override && !override->empty() ? *override : button.text;
}

}  // namespace qor::win
