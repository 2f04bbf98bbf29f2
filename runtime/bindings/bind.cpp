// BIND and the lookup of bound names.
#include "runtime/bindings/bindings.h"
#include "runtime/bindings/builtin_names.h"
#include "runtime/bindings/detail/binding_state.h"
#include "runtime/locale/case_tables.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {

using bindings::BindingState;
using bindings::CurrentBindings;
using bindings::NameKey;
using bindings::NameRecord;

namespace {

constexpr std::string_view kRootMarker = "MMMMMMM";

bool IsNameCharacter(uint8_t c) { return IsAlphaChar(c) || (c >= '0' && c <= '9') || c == '_' || c == ':'; }

bool EndsAName(char c) { return c == '#' || c == '$' || c == '"'; }

// Adds one record to the tree; false when the heap has no room.
bool Plant(NameRecord*& tree, std::string_view name, uint8_t kind, uint8_t valueClass, uint8_t code,
           uint8_t arguments, uint8_t blank) {
  NameKey key;
  bindings::MakeNameKey(name, key);
  if (bindings::FindName(tree, key.View(), blank)) return true;
  NameRecord* record = bindings::NewNameRecord(name, key);
  if (!record) return false;
  bindings::TakeOverBinding(*record, kind, valueClass, nullptr, code, arguments);
  tree = bindings::InsertName(tree, record, blank);
  return true;
}

// A scope's first BIND creates its tree with the root marker and the built-in names;
// false, leaving no tree, when the heap has no room for all of them.
bool EnsureTree(BindingState& state, uint8_t blank) {
  if (state.tree) return true;
  NameRecord* tree = nullptr;
  bool planted = Plant(tree, kRootMarker, kNameRootMarker, 0, 0, 0, blank);
  for (const BuiltinName& b : BuiltinNames())
    planted = planted && Plant(tree, b.name, b.kind, b.valueClass, b.code, b.arguments, blank);
  if (!planted) {
    bindings::FreeTree(tree);
    return false;
  }
  state.tree = tree;
  return true;
}

BoundName Describe(const NameRecord* record) {
  if (!record || record->kind == kNameRootMarker) return {};
  return {record->kind, record->valueClass, record->variable, record->code, record->arguments};
}

BoundName FindBuiltin(const NameKey& key, uint8_t blank) {
  for (const BuiltinName& b : BuiltinNames()) {
    NameKey builtin;
    bindings::MakeNameKey(b.name, builtin);
    if (bindings::CompareKeys(key.View(), builtin.View(), blank) == 0)
      return {b.kind, b.valueClass, nullptr, b.code, b.arguments};
  }
  return {};
}

}  // namespace

std::string_view CutBindingName(std::string_view text) {
  text = text.substr(0, kBindingNameLimit);
  size_t n = 0;
  while (n < text.size() && IsNameCharacter(static_cast<uint8_t>(text[n]))) ++n;
  if (n < text.size() && EndsAName(text[n])) ++n;
  return text.substr(0, n);
}

uint8_t ValueClassOfType(int32_t type) {
  if (type <= 6) return kClassInteger;
  if (type <= 17) return kClassReal;
  return kClassString;
}

void BindName(std::string_view text, VariableReference* variable) {
  if (!variable) return;
  std::string_view name = CutBindingName(text);
  BindingState& state = CurrentBindings();
  uint8_t blank = bindings::BlankWeight();
  NameKey key;
  if (name.empty() || state.scopesWithoutRecord > 0 || !bindings::MakeNameKey(name, key) ||
      !EnsureTree(state, blank)) {
    ReleaseVariableReference(variable);
    return;
  }
  uint8_t valueClass = ValueClassOfType(variable->type);
  NameRecord* record = bindings::FindName(state.tree, key.View(), blank);
  if (!record) {
    record = bindings::NewNameRecord(name, key);
    if (!record) {
      ReleaseVariableReference(variable);
      return;
    }
    state.tree = bindings::InsertName(state.tree, record, blank);
  }
  bindings::TakeOverBinding(*record, kNameVariable, valueClass, variable, 0, 0);
}

void Bind(VariableReference* variable) {
  ValueEntry entry = StrTakeTop();
  CountedText name = TextOf(entry);
  BindName(std::string_view(name.text, static_cast<size_t>(name.length)), variable);
  ReleaseValueEntry(entry);
}

BoundName LookUpName(std::string_view name) {
  NameKey key;
  if (!bindings::MakeNameKey(name, key)) return {};
  uint8_t blank = bindings::BlankWeight();
  const BindingState& state = CurrentBindings();
  if (BoundName found = Describe(bindings::FindName(state.tree, key.View(), blank))) return found;
  for (const bindings::ScopeRecord* scope = state.scope; scope && scope->flag == 1; scope = scope->previous)
    if (BoundName found = Describe(bindings::FindName(scope->savedTree, key.View(), blank))) return found;
  return FindBuiltin(key, blank);
}

}  // namespace qor::rt
