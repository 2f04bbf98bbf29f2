#include "os/module.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <mutex>

namespace qor::os {

struct Module {
  struct Entry {
    ResourceId type;
    ResourceId name;
    std::span<const uint8_t> data;
  };
  std::string name;
  std::vector<Entry> resources;
};

namespace {

std::mutex& RegistryLock() {
  static std::mutex lock;
  return lock;
}

std::deque<Module>& Modules() {
  static std::deque<Module> modules;  // a deque never moves what it holds
  return modules;
}

}  // namespace

ResourceId::ResourceId(std::string_view name) : name_(name) {
  for (char& c : name_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool ResourceId::operator==(const ResourceId& other) const {
  return number_ == other.number_ && name_ == other.name_;
}

std::string ResourceId::ToString() const {
  return IsNumber() ? "#" + std::to_string(number_) : name_;
}

ModuleHandle ExecutableModule() {
  static ModuleHandle self = CreateModule("");
  return self;
}

ModuleHandle CreateModule(std::string_view name) {
  std::lock_guard guard(RegistryLock());
  Modules().push_back(Module{std::string(name), {}});
  return &Modules().back();
}

std::string ModuleName(ModuleHandle module) {
  if (module == ExecutableModule()) return ExecutablePath();
  return module ? module->name : std::string();
}

std::vector<ModuleHandle> LoadedModules() {
  ModuleHandle self = ExecutableModule();
  std::lock_guard guard(RegistryLock());
  std::vector<ModuleHandle> modules{self};
  for (Module& module : Modules())
    if (&module != self) modules.push_back(&module);
  return modules;
}

std::string ExecutablePath() {
  std::string path(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
  path.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return path;
}

void AddResource(ModuleHandle module, const ResourceId& type, const ResourceId& name,
                 std::span<const uint8_t> data) {
  if (!module) module = ExecutableModule();
  std::lock_guard guard(RegistryLock());
  for (auto& entry : module->resources) {
    if (entry.type == type && entry.name == name) {
      entry.data = data;
      return;
    }
  }
  module->resources.push_back({type, name, data});
}

std::optional<std::span<const uint8_t>> FindResource(ModuleHandle module, const ResourceId& type,
                                                     const ResourceId& name) {
  if (!module) module = ExecutableModule();
  std::lock_guard guard(RegistryLock());
  for (const auto& entry : module->resources) {
    if (entry.type == type && entry.name == name) return entry.data;
  }
  return std::nullopt;
}

std::vector<ResourceId> ResourceNames(ModuleHandle module, const ResourceId& type) {
  if (!module) module = ExecutableModule();
  std::lock_guard guard(RegistryLock());
  std::vector<ResourceId> names;
  for (const auto& entry : module->resources) {
    if (entry.type == type) names.push_back(entry.name);
  }
  return names;
}

}  // namespace qor::os
