#include "app/driver/key_names.h"

#include <cctype>
#include <string>

#include "window/platform/core/keys.h"

namespace qor::app::drv {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

struct NamedKey {
  const char* name;
  uint32_t keyCode;
};

constexpr NamedKey kNamedKeys[] = {
    {"tab", ui::VK_TAB},       {"enter", ui::VK_RETURN}, {"escape", ui::VK_ESCAPE}, {"space", ui::VK_SPACE},
    {"backspace", ui::VK_BACK}, {"delete", ui::VK_DELETE}, {"insert", ui::VK_INSERT}, {"home", ui::VK_HOME},
    {"end", ui::VK_END},       {"pageup", ui::VK_PRIOR}, {"pagedown", ui::VK_NEXT}, {"up", ui::VK_UP},
    {"down", ui::VK_DOWN},     {"left", ui::VK_LEFT},    {"right", ui::VK_RIGHT},
};

std::optional<uint32_t> KeyCode(const std::string& name) {
  for (const NamedKey& key : kNamedKeys) {
    if (name == key.name) return key.keyCode;
  }
  if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return static_cast<uint32_t>('A' + (name[0] - 'a'));
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return static_cast<uint32_t>(name[0]);
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && name[1] != '0') {
    int number = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
      number = number * 10 + (name[i] - '0');
    }
    if (number >= 1 && number <= 12) return ui::VK_F1 + static_cast<uint32_t>(number - 1);
  }
  return std::nullopt;
}

// Takes one modifier prefix off `rest`; false when it has none or names one twice.
bool TakeModifier(std::string& rest, KeyChord& chord, bool& repeated) {
  struct Modifier {
    const char* prefix;
    bool KeyChord::*flag;
  };
  static constexpr Modifier kModifiers[] = {{"shift+", &KeyChord::shift}, {"ctrl+", &KeyChord::ctrl}, {"alt+", &KeyChord::alt}};
  for (const Modifier& modifier : kModifiers) {
    std::string_view prefix = modifier.prefix;
    if (rest.size() > prefix.size() && rest.compare(0, prefix.size(), prefix) == 0) {
      repeated = repeated || chord.*modifier.flag;
      chord.*modifier.flag = true;
      rest.erase(0, prefix.size());
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<KeyChord> ParseKeyName(std::string_view name) {
  std::string rest = Lower(name);
  KeyChord chord;
  bool repeated = false;
  while (TakeModifier(rest, chord, repeated)) {
  }
  std::optional<uint32_t> keyCode = KeyCode(rest);
  if (!keyCode || repeated) return std::nullopt;
  chord.keyCode = *keyCode;
  return chord;
}

}  // namespace qor::app::drv
