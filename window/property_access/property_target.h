#pragma once
// The object a property call addresses. Generated code names it by a number: 0 for the
// target window (the calling thread's target, else its active window), -1 for the
// system object, -4 for the second built-in object, anything else for a window it holds
// a reference to. A reference is looked up among the live windows and never followed
// when it names none. No window, or a closed one, is run-time error 536 "Window is not
// open".
#include <cstdint>

namespace qor::win {

struct Window;

inline constexpr intptr_t kTargetWindow = 0;
inline constexpr intptr_t kTargetSystem = -1;
inline constexpr intptr_t kTargetSecondObject = -4;

enum class TargetKind : uint8_t { kWindow, kSystem, kSecondObject };

struct PropertyTarget {
  TargetKind kind = TargetKind::kWindow;
  Window* window = nullptr;  // an open window when kind is kWindow
};

// Resolves a target; raises 536 for a window target that is missing or closed.
PropertyTarget ResolvePropertyTarget(intptr_t target);

// The target for a window the caller holds; raises 536 when it is closed.
PropertyTarget WindowTarget(Window& window);

}  // namespace qor::win
