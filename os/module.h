#pragma once
// Modules and their resources. A module is the program itself or a library loaded
// beside it; each holds typed resources found by name or number, as the runtime's
// message texts and stored window definitions are. Resource data is compiled into
// the program (see resources/) and registered at start-up; it is never copied.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qor::os {

// A resource type or name: either a number (1..65535) or a text. Texts match
// without regard to case, as resource names always have.
class ResourceId {
 public:
  ResourceId(uint16_t number) : number_(number) {}  // NOLINT: implicit on purpose
  ResourceId(std::string_view name);               // NOLINT
  ResourceId(const char* name) : ResourceId(std::string_view(name)) {}  // NOLINT

  bool IsNumber() const { return number_ != 0; }
  uint16_t Number() const { return number_; }
  const std::string& Name() const { return name_; }  // upper case
  bool operator==(const ResourceId& other) const;
  std::string ToString() const;  // "#12" for numbers, the name otherwise

 private:
  uint16_t number_ = 0;
  std::string name_;
};

// Standard resource types, with their usual numbers.
inline constexpr uint16_t kResourceCursor = 1;
inline constexpr uint16_t kResourceIcon = 3;
inline constexpr uint16_t kResourceString = 6;  // one entry per string id, data = the text
inline constexpr uint16_t kResourceGroupIcon = 14;

struct Module;
using ModuleHandle = Module*;

// The program's own module (what a null instance handle means).
ModuleHandle ExecutableModule();
// A further module, for libraries and tests. Modules live as long as the process.
ModuleHandle CreateModule(std::string_view name);
std::string ModuleName(ModuleHandle module);
// Every module of the program: its own module first, then the others in the order they
// were created.
std::vector<ModuleHandle> LoadedModules();

// Full path of the running executable ("/proc/self/exe" resolved).
std::string ExecutablePath();

// Adds a resource; the data must outlive the module (static data in practice).
// A second resource with the same type and name replaces the first.
void AddResource(ModuleHandle module, const ResourceId& type, const ResourceId& name,
                 std::span<const uint8_t> data);
std::optional<std::span<const uint8_t>> FindResource(ModuleHandle module, const ResourceId& type,
                                                     const ResourceId& name);
// Names of every resource of one type, in the order they were added.
std::vector<ResourceId> ResourceNames(ModuleHandle module, const ResourceId& type);

}  // namespace qor::os
