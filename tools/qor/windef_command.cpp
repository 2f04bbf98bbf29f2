// qor windef: the program's stored window definitions.
//   qor windef list        one line per definition: qualified name, then its window labels
//   qor windef dump NAME   the decoded records, written as definition source
//   qor windef raw NAME    the resource bytes exactly as stored (name, NUL, body)
// NAME is a qualified name (kzt_asm$KZT_A001), a procedure name (KZT_A001) or a
// resource name (KZT_A001_RSC), in any case.
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "os/module.h"
#include "tools/qor/command.h"
#include "tools/windefc/source_writer.h"
#include "window/definition/decode.h"
#include "window/definition/definition_buffer.h"
#include "window/definition/layout.h"
#include "window/definition/records.h"

namespace qor::tool {
namespace {

int RunWindef(std::span<const std::string_view> args);
const QorCommand kWindef("windef", "windef list | dump NAME | raw NAME",
                         "the stored window definitions: list them, decode one, or copy its bytes", RunWindef);

std::optional<std::span<const uint8_t>> FindDefinition(std::string_view name) {
  os::ModuleHandle module = os::ExecutableModule();
  auto resource = os::FindResource(module, win::layout::kResourceType, name);
  if (!resource) {
    std::string resourceName = win::ResourceNameFor(std::string(name));
    resource = os::FindResource(module, win::layout::kResourceType, std::string_view(resourceName));
  }
  return resource;
}

// The definition in a resource, validated exactly as the loader validates it.
std::optional<win::DefinitionBuffer> Validated(std::span<const uint8_t> resource, std::string& qualifiedName) {
  auto name = win::DefinitionBuffer::ResourceQualifiedName(resource);
  if (!name) return std::nullopt;
  qualifiedName = std::string(*name);
  return win::DefinitionBuffer::FromResource(resource, *name);
}

int List() {
  for (const os::ResourceId& id : os::ResourceNames(os::ExecutableModule(), win::layout::kResourceType)) {
    auto resource = os::FindResource(os::ExecutableModule(), win::layout::kResourceType, id);
    std::string qualifiedName;
    auto buffer = Validated(*resource, qualifiedName);
    std::string line = qualifiedName.empty() ? id.ToString() : qualifiedName;
    if (!buffer) line += " (malformed)";
    else
      for (const std::string& label : win::WindowLabels(*buffer)) line += " " + label;
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

int Dump(std::string_view name) {
  auto resource = FindDefinition(name);
  if (!resource) return UsageError("no window definition " + std::string(name));
  win::WindowDefinition definition;
  auto buffer = Validated(*resource, definition.qualifiedName);
  if (!buffer) return UsageError("the window definition " + std::string(name) + " is malformed");
  definition.windows = win::DecodeWindows(*buffer);
  std::fputs(windefc::WriteDefinitionSource(definition, true).c_str(), stdout);
  return 0;
}

int Raw(std::string_view name) {
  auto resource = FindDefinition(name);
  if (!resource) return UsageError("no window definition " + std::string(name));
  std::fwrite(resource->data(), 1, resource->size(), stdout);
  return 0;
}

int RunWindef(std::span<const std::string_view> args) {
  if (args.size() == 1 && args[0] == "list") return List();
  if (args.size() == 2 && args[0] == "dump") return Dump(args[1]);
  if (args.size() == 2 && args[0] == "raw") return Raw(args[1]);
  return UsageError("windef takes list, dump NAME or raw NAME", &kWindef);
}

}  // namespace
}  // namespace qor::tool
