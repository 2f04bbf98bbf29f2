#include "window/message_box/box_window_services.h"

#include "window/platform/resources/stock_icons.h"

namespace qor::win {
namespace {

BoxWindowServices installed;

constexpr char kStockMark0 = '\xFF';
constexpr char kStockMark1 = '\x01';

ui::IconHandle StockIconByName(std::string_view name) {
  if (name.size() != 4 || name[0] != kStockMark0 || name[1] != kStockMark1) return ui::IconHandle::None;
  uint16_t n = static_cast<uint16_t>(static_cast<uint8_t>(name[2]) | static_cast<uint8_t>(name[3]) << 8);
  if (n == 0) return ui::IconHandle::None;
  return ui::LoadIcon(nullptr, os::ResourceId(static_cast<uint16_t>(n - 1)));
}

}  // namespace

void SetBoxWindowServices(const BoxWindowServices& services) { installed = services; }

ui::Hwnd BoxCurrentWindow() { return installed.currentWindow ? installed.currentWindow() : ui::Hwnd{}; }
ui::Hwnd BoxFrameWindow() { return installed.frameWindow ? installed.frameWindow() : ui::Hwnd{}; }

ui::IconHandle LoadBoxIcon(std::string_view name) {
  if (installed.iconByName) return installed.iconByName(name);
  return StockIconByName(name);
}

std::string StockIconName(uint16_t id) {
  uint16_t n = static_cast<uint16_t>(id + 1);
  return {kStockMark0, kStockMark1, static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)};
}

}  // namespace qor::win
