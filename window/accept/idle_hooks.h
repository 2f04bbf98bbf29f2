#pragma once
// Work done while a loop waits: the idle callbacks run when no system message is
// pending, the idle hook just before the thread sleeps. Each runs once per wait.
#include <functional>

namespace qor::win {

using IdleRoutine = std::function<void()>;

// Adds an idle callback; returns its ticket for RemoveIdleCallback.
int AddIdleCallback(IdleRoutine routine);
void RemoveIdleCallback(int ticket);
// Installs the idle hook (empty removes it).
void SetIdleHook(IdleRoutine hook);

void RunIdleCallbacks();
void RunIdleHook();

}  // namespace qor::win
