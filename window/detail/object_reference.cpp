#include "window/detail/object_reference.h"

#include <optional>

#include "window/platform/core/properties.h"

namespace qor::win::detail {
namespace {
constexpr char kLow[] = "lo_pfield";
constexpr char kHigh[] = "hi_pfield";
}  // namespace

void StoreObjectReference(ui::Hwnd hwnd, const void* object) {
  auto reference = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(object));
  ui::SetProp(hwnd, kLow, static_cast<uint32_t>(reference));
  ui::SetProp(hwnd, kHigh, static_cast<uint32_t>(reference >> 32));
}

bool ReadObjectReference(ui::Hwnd hwnd, uintptr_t& reference) {
  std::optional<uintptr_t> low = ui::FindProp(hwnd, kLow);
  std::optional<uintptr_t> high = ui::FindProp(hwnd, kHigh);
  if (!low || !high) return false;
  uint64_t joined = (static_cast<uint64_t>(*high & 0xFFFFFFFFu) << 32) | (*low & 0xFFFFFFFFu);
  reference = static_cast<uintptr_t>(joined);
  return true;
}

}  // namespace qor::win::detail
