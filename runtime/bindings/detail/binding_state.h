#pragma once
// The bindings of the running language thread: the current name tree and the chain of
// pushed scopes, each holding the tree put aside when it was pushed.
#include <cstdint>

#include "runtime/bindings/detail/name_tree.h"

namespace qor::rt::bindings {

struct ScopeRecord {
  NameRecord* savedTree;
  ScopeRecord* previous;
  uint8_t flag;  // 1: pushed with argument 0, lookups see through it
};

struct BindingState {
  NameRecord* tree = nullptr;   // null until the scope's first BIND
  ScopeRecord* scope = nullptr;  // null when no scope is pushed
  // Scopes pushed while the heap had no room for their record; they nest above every
  // recorded scope, take no bindings and are popped first.
  uint32_t scopesWithoutRecord = 0;
};

BindingState& CurrentBindings();

}  // namespace qor::rt::bindings
