// PUSHSCOPE, POPSCOPE, clearing, and handing the bindings over at a thread switch.
#include "runtime/bindings/bindings.h"
#include "runtime/bindings/detail/binding_state.h"
#include "runtime/errors/run_time_error.h"
#include "runtime/heap/heap.h"

namespace qor::rt {

using bindings::BindingState;
using bindings::CurrentBindings;
using bindings::NameRecord;
using bindings::ScopeRecord;

namespace bindings {
BindingState& CurrentBindings() {
  static BindingState state;
  return state;
}
}  // namespace bindings

void PushScope(int32_t argument) {
  BindingState& state = CurrentBindings();
  ScopeRecord* scope = nullptr;
  if (state.scopesWithoutRecord == 0) scope = static_cast<ScopeRecord*>(HeapAllocate(sizeof(ScopeRecord)));
  if (!scope) {
    ++state.scopesWithoutRecord;
    return;
  }
  *scope = ScopeRecord{state.tree, state.scope, static_cast<uint8_t>(argument == 0 ? 1 : 0)};
  state.scope = scope;
  state.tree = nullptr;
}

namespace {
void UnwindScope(BindingState& state) {
  ScopeRecord* scope = state.scope;
  bindings::FreeTree(state.tree);
  state.tree = scope->savedTree;
  state.scope = scope->previous;
  HeapFree(scope);
}
}  // namespace

void PopScope() {
  BindingState& state = CurrentBindings();
  if (state.scopesWithoutRecord > 0) {
    --state.scopesWithoutRecord;
    return;
  }
  if (!state.scope) RunTimeError(802, "Mismatched POPSCOPE");
  UnwindScope(state);
}

void ClearBindings() {
  BindingState& state = CurrentBindings();
  state.scopesWithoutRecord = 0;
  while (state.scope) UnwindScope(state);
  bindings::FreeTree(state.tree);
  state.tree = nullptr;
}

SavedBindings TakeBindings() {
  BindingState& state = CurrentBindings();
  SavedBindings saved{state.tree, state.scope, state.scopesWithoutRecord};
  state = BindingState{};
  return saved;
}

void PutBindings(const SavedBindings& saved) {
  CurrentBindings() = BindingState{static_cast<NameRecord*>(saved.tree), static_cast<ScopeRecord*>(saved.scope),
                                   saved.scopesWithoutRecord};
}

BindingCensus InspectBindings() {
  const BindingState& state = CurrentBindings();
  BindingCensus census;
  census.records = bindings::CountRecords(state.tree);
  census.height = bindings::TreeHeight(state.tree);
  census.scopes = state.scopesWithoutRecord;
  for (const ScopeRecord* scope = state.scope; scope; scope = scope->previous) ++census.scopes;
  return census;
}

}  // namespace qor::rt
