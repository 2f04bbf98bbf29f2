// Feeds arbitrary bytes to the window-definition loader as the "DABDUMP" resource
// FUZZ_RSC. The input's leading name is also checked as a definition of its own, so the
// validation and the walk of the body are reached whatever name the input carries;
// inputs named "fuzz$FUZZ" go through the whole module search. Everything accepted is
// decoded in full.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/definition/records.h"
#include "window/load_window_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::win;
  static qor::os::ModuleHandle module = qor::os::CreateModule("fuzz");
  static const std::string kQualifiedName = "fuzz$FUZZ";
  std::span<const uint8_t> resource(data, size);

  auto name = DefinitionBuffer::ResourceQualifiedName(resource);
  if (!name) return 0;
  auto buffer = DefinitionBuffer::FromResource(resource, *name);
  if (buffer) {
    for (const WindowRecord& window : DecodeWindows(*buffer)) {
      uint32_t at = FindWindowRecord(*buffer, window.label);
      if (at == 0 || DecodeWindow(*buffer, at).label != window.label) __builtin_trap();
    }
  }
  if (*name != kQualifiedName) return 0;

  static const std::string kResourceName = ResourceNameFor(kQualifiedName);
  qor::os::AddResource(module, layout::kResourceType, std::string_view(kResourceName), resource);
  for (const std::string& label : {std::string("P1$WINDOW"), std::string("$MULTIWINDOW")}) {
    uint32_t at = LoadWindowDefinition(kQualifiedName, label);
    if (at != 0 && !buffer) __builtin_trap();  // the loader took an image that does not validate
    if (at != 0 && DecodeWindow(CurrentDefinition(), at).label != label) __builtin_trap();
  }
  ResetWindowDefinitions();
  return 0;
}
