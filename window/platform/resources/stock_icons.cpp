#include "window/platform/resources/stock_icons.h"
#include "window/platform/resources/detail/shared_icon.h"

#include <map>
#include <mutex>
#include <vector>

#include "window/platform/resources/icon_file.h"
#include "window/platform/resources/stock_icon_shapes.h"

namespace qor::ui {

namespace {

using art::Spot;

constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kWhite = 0xFFFFFFFFu;
constexpr Pixel kRed = 0xFFFF0000u;
constexpr Pixel kDarkRed = 0xFF800000u;
constexpr Pixel kBlue = 0xFF0000FFu;
constexpr Pixel kNavy = 0xFF000080u;
constexpr Pixel kYellow = 0xFFFFFF00u;
constexpr Pixel kGrey = 0xFF808080u;

std::vector<art::Layer> Stop() {
  return {art::Disc({16, 16}, 15, kDarkRed), art::Disc({16, 16}, 13.8, kRed),
          art::Stroke({10.5, 10.5}, {21.5, 21.5}, 4, kWhite), art::Stroke({21.5, 10.5}, {10.5, 21.5}, 4, kWhite)};
}

// A white speech bubble with a black outline and its tail at the lower left.
std::vector<art::Layer> Bubble() {
  return {art::Polygon({{7, 19}, {4, 30}, {15, 22}}, kBlack), art::Ellipse({16, 12.5}, 15, 11.5, kBlack),
          art::Polygon({{8.2, 19.5}, {6.2, 27.5}, {14, 21.5}}, kWhite), art::Ellipse({16, 12.5}, 13.8, 10.3, kWhite)};
}

std::vector<art::Layer> Question() {
  std::vector<art::Layer> layers = Bubble();
  layers.push_back(art::Arc({16, 9.5}, 4.3, 3.2, 165, 300, kBlue));
  layers.push_back(art::Stroke({18.1, 13.2}, {16, 15.5}, 3.2, kBlue));
  layers.push_back(art::Stroke({16, 15.5}, {16, 16.8}, 3.2, kBlue));
  layers.push_back(art::Disc({16, 20.2}, 1.9, kBlue));
  return layers;
}

std::vector<art::Layer> Information() {
  std::vector<art::Layer> layers = Bubble();
  layers.push_back(art::Disc({16, 5.8}, 2.1, kBlue));
  layers.push_back(art::Box(14.2, 9.5, 17.8, 19.2, kBlue));
  layers.push_back(art::Box(12.5, 9.5, 14.2, 11.2, kBlue));
  layers.push_back(art::Box(12.5, 17.6, 19.5, 19.2, kBlue));
  return layers;
}

std::vector<art::Layer> Exclamation() {
  return {art::Polygon({{16, 0.5}, {31.5, 29.5}, {0.5, 29.5}}, kBlack),
          art::Polygon({{16, 3.6}, {29.0, 28.0}, {3.0, 28.0}}, kYellow), art::Stroke({16, 10}, {16, 19}, 3.6, kBlack),
          art::Disc({16, 23.5}, 2.0, kBlack)};
}

std::vector<art::Layer> Application() {
  return {art::Box(1, 3, 31, 29, kBlack), art::Box(2, 4, 30, 28, kGrey), art::Box(2, 4, 29, 27, kWhite),
          art::Box(2, 4, 29, 9, kNavy),   art::Box(25, 5, 28, 8, kGrey)};
}

// The design for a stock number; empty for a number that names none.
std::vector<art::Layer> DesignFor(uint16_t id) {
  switch (id) {
    case IDI_APPLICATION: return Application();
    case IDI_HAND: return Stop();
    case IDI_QUESTION: return Question();
    case IDI_EXCLAMATION: return Exclamation();
    case IDI_ASTERISK: return Information();
    default: return {};
  }
}

IconHandle StockIcon(uint16_t id) {
  static std::mutex mutex;
  static std::map<uint16_t, IconHandle> made;
  std::lock_guard lock(mutex);
  auto found = made.find(id);
  if (found != made.end()) return found->second;
  std::vector<art::Layer> design = DesignFor(id);
  if (design.empty()) return IconHandle::None;
  IconPicture picture{{art::Render(design, kIconSize), art::Render(design, kSmallIconSize)}};
  IconHandle handle = detail::RegisterSharedIcon(std::move(picture));
  made[id] = handle;
  return handle;
}

}  // namespace

IconHandle LoadIcon(os::ModuleHandle module, const os::ResourceId& name) {
  if (!module) return name.IsNumber() ? StockIcon(name.Number()) : IconHandle::None;
  auto data = os::FindResource(module, os::kResourceGroupIcon, name);
  if (data) {
    if (std::optional<std::vector<IconImage>> images = ReadIconImages(*data, nullptr)) {
      return CreateIconFromImages(std::move(*images));
    }
  }
  if (name.IsNumber() && name.Number() == kProgramIconId) return StockIcon(IDI_APPLICATION);
  return IconHandle::None;
}

}  // namespace qor::ui
