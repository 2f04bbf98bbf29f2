#include "runtime/base/message_text.h"

#include <forward_list>
#include <optional>
#include <utility>

#include "os/module.h"
#include "runtime/base/module_list.h"

namespace qor::rt {
namespace {

struct OverrideEntry {
  int32_t code;
  std::string text;
};

std::forward_list<OverrideEntry>& Overrides() {
  static std::forward_list<OverrideEntry> overrides;
  return overrides;
}

std::string Clip(std::string_view text) {
  return std::string(text.substr(0, kMessageTextLimit));
}

std::optional<std::string> OverrideText(int32_t code) {
  for (const OverrideEntry& o : Overrides())
    if (o.code == code) return o.text;
  return std::nullopt;
}

std::optional<std::string> ResourceText(int32_t code) {
  if (code <= 0 || code > 0xFFFF) return std::nullopt;
  auto data = os::FindResource(ResourceInstance(), os::kResourceString,
                               os::ResourceId(static_cast<uint16_t>(code)));
  if (!data) return std::nullopt;
  return Clip(std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}

std::optional<std::string> KnownText(int32_t code) {
  if (auto text = OverrideText(code)) return text;
  return ResourceText(code);
}

}  // namespace

std::string MessageText(int32_t code) {
  if (code == 0) code = kUnknownErrorPosted;
  if (auto text = KnownText(code)) return std::move(*text);
  std::string unknown = KnownText(kUnknownErrorPosted).value_or(std::string());
  return Clip(unknown + " : " + std::to_string(code));
}

void SetMessageOverride(int32_t code, std::string_view text) {
  for (OverrideEntry& o : Overrides()) {
    if (o.code == code) {
      o.text = Clip(text);
      return;
    }
  }
  Overrides().push_front(OverrideEntry{code, Clip(text)});
}

void ClearMessageOverrides() { Overrides().clear(); }

std::optional<std::string> MessageOverride(int32_t code) { return OverrideText(code); }

}  // namespace qor::rt
