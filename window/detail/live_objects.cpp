#include "window/detail/live_objects.h"

#include <mutex>
#include <unordered_map>

namespace qor::win::detail {
namespace {

enum class Kind { Window, Control };

struct Registry {
  std::mutex mutex;
  std::unordered_map<uintptr_t, Kind> objects;
};

Registry& Live() {
  static Registry registry;
  return registry;
}

void Note(const void* object, Kind kind) {
  std::lock_guard lock(Live().mutex);
  Live().objects[reinterpret_cast<uintptr_t>(object)] = kind;
}

bool IsLive(uintptr_t reference, Kind kind) {
  if (reference == 0) return false;
  std::lock_guard lock(Live().mutex);
  auto found = Live().objects.find(reference);
  return found != Live().objects.end() && found->second == kind;
}

}  // namespace

void NoteLive(const Window* window) { Note(window, Kind::Window); }
void NoteLive(const Control* control) { Note(control, Kind::Control); }

void NoteGone(const void* object) {
  std::lock_guard lock(Live().mutex);
  Live().objects.erase(reinterpret_cast<uintptr_t>(object));
}

Window* LiveWindow(uintptr_t reference) {
  return IsLive(reference, Kind::Window) ? reinterpret_cast<Window*>(reference) : nullptr;
}

Control* LiveControl(uintptr_t reference) {
  return IsLive(reference, Kind::Control) ? reinterpret_cast<Control*>(reference) : nullptr;
}

}  // namespace qor::win::detail
