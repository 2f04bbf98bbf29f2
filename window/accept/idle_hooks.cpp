#include "window/accept/idle_hooks.h"

#include <map>

namespace qor::win {
namespace {

struct Idle {
  std::map<int, IdleRoutine> callbacks;
  int nextTicket = 1;
  IdleRoutine hook;
};

Idle& State() {
  static Idle idle;
  return idle;
}

}  // namespace

int AddIdleCallback(IdleRoutine routine) {
  int ticket = State().nextTicket++;
  State().callbacks[ticket] = std::move(routine);
  return ticket;
}

void RemoveIdleCallback(int ticket) { State().callbacks.erase(ticket); }
void SetIdleHook(IdleRoutine hook) { State().hook = std::move(hook); }

void RunIdleCallbacks() {
  if (State().callbacks.empty()) return;
  std::map<int, IdleRoutine> callbacks = State().callbacks;  // a callback may remove itself
  for (auto& [ticket, routine] : callbacks) routine();
}

void RunIdleHook() {
  if (State().hook) State().hook();
}

}  // namespace qor::win
