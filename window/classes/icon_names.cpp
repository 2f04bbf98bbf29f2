#include "window/classes/icon_names.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "window/load_window_definition.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/resources/icon_file.h"
#include "os/module.h"
#include "window/platform/resources/stock_icons.h"

namespace qor::win {
namespace {

enum class Form { Stock, Program, Resource, File, Nothing };

struct ParsedName {
  Form form = Form::Nothing;
  uint16_t number = 0;        // Stock and Program: the resource number (n - 1)
  std::string resource;       // Resource
};

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStockForm = 0x01;
constexpr unsigned char kProgramForm = 0x02;

std::optional<ParsedName> ParseNumbered(std::string_view name) {
  if (name.size() < 2 || static_cast<unsigned char>(name[0]) != kMarker) return std::nullopt;
  auto form = static_cast<unsigned char>(name[1]);
  if (form != kStockForm && form != kProgramForm) return std::nullopt;
  ParsedName parsed;
  if (name.size() < 4) return parsed;  // too short: names nothing
  uint16_t n = static_cast<uint16_t>(static_cast<unsigned char>(name[2]) |
                                     (static_cast<unsigned char>(name[3]) << 8));
  if (n == 0) return parsed;
  parsed.form = form == kStockForm ? Form::Stock : Form::Program;
  parsed.number = static_cast<uint16_t>(n - 1);
  return parsed;
}

ParsedName Parse(std::string_view name, bool asResource) {
  if (std::optional<ParsedName> numbered = ParseNumbered(name)) return *numbered;
  ParsedName parsed;
  if (!name.empty() && name[0] == '~') name.remove_prefix(1);
  else if (!asResource) {
    if (name.empty()) return parsed;
    parsed.form = Form::File;
    parsed.resource = std::string(name);
    return parsed;
  }
  if (name.empty()) return parsed;
  parsed.form = Form::Resource;
  parsed.resource = ResourceNameOf(name);
  return parsed;
}

os::ModuleHandle DefinitionModule() {
  os::ModuleHandle module = CurrentResourceModule();
  return module ? module : os::ExecutableModule();
}

}  // namespace

std::string ResourceNameOf(std::string_view name) {
  std::string resource;
  for (char c : name) {
    resource += c == '.' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return resource;
}

ui::IconHandle IconFromName(std::string_view name, bool asResource) {
  ParsedName parsed = Parse(name, asResource);
  switch (parsed.form) {
    case Form::Stock: return ui::LoadIcon(nullptr, parsed.number);
    case Form::Program: return ui::LoadIcon(os::ExecutableModule(), parsed.number);
    case Form::Resource: return ui::LoadIcon(DefinitionModule(), os::ResourceId(parsed.resource));
    case Form::File: return ui::LoadIconFromFileName(parsed.resource);
    case Form::Nothing: break;
  }
  return ui::IconHandle::None;
}

ui::CursorHandle CursorFromName(std::string_view name, bool asResource) {
  ParsedName parsed = Parse(name, asResource);
  switch (parsed.form) {
    case Form::Stock: return ui::LoadCursor(nullptr, parsed.number);
    case Form::Program: return ui::LoadCursor(os::ExecutableModule(), parsed.number);
    case Form::Resource: return ui::LoadCursor(DefinitionModule(), os::ResourceId(parsed.resource));
    case Form::File:
    case Form::Nothing: break;
  }
  return ui::CursorHandle::None;
}

ui::CursorHandle CursorOrArrow(std::string_view name) {
  ui::CursorHandle cursor = CursorFromName(name);
  return cursor != ui::CursorHandle::None ? cursor : ui::LoadCursor(nullptr, ui::IDC_ARROW);
}

}  // namespace qor::win
