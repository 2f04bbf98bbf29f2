#pragma once
// The loaded-module list: one node per registered program module, newest first, and
// the module whose resources every resource load uses (message texts, window
// definitions).
#include <cstdint>
#include <span>

#include "os/module.h"

namespace qor::rt {

// A start/stop routine of a module: receives kInitStart at start-up and kInitStop at
// exit. Records run by priority (start: highest first; stop: lowest first).
inline constexpr int32_t kInitStart = 0;
inline constexpr int32_t kInitStop = 1;
using InitRoutine = void (*)(int32_t phase);

struct InitRecord {
  int32_t priority;
  InitRoutine routine;
};

struct LoadedModule;

// What a program hands to start-up. The list links back through `previous`.
struct ModuleDescriptor {
  std::span<const InitRecord> initialisers;
  LoadedModule* previous = nullptr;  // head of the list before this module registered
};

struct LoadedModule {
  LoadedModule* next;
  os::ModuleHandle instance;
  ModuleDescriptor* descriptor;
  void* spare;
};

// Pushes a node for the module (instance null: the executable's module). The first
// registration also fixes the resource instance unless one was set before.
void RegisterModule(ModuleDescriptor& descriptor, os::ModuleHandle instance);
// Unlinks and frees the module's node; false when it was not registered.
bool UnregisterModule(const ModuleDescriptor& descriptor);
LoadedModule* LoadedModules();  // newest first; null when empty

// The module resources are loaded from: the one set, else the executable's.
os::ModuleHandle ResourceInstance();
void SetResourceInstance(os::ModuleHandle instance);

}  // namespace qor::rt
