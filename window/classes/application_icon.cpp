#include "window/classes/application_icon.h"

#include <atomic>
#include <memory>

#include "window/platform/resources/icon.h"

namespace qor::win {
namespace {
std::atomic<ui::IconHandle> gApplicationIcon{ui::IconHandle::None};
}

void SetApplicationIcon(ui::IconHandle icon) { gApplicationIcon = icon; }
ui::IconHandle ApplicationIcon() { return gApplicationIcon; }

ui::IconHandle CopyApplicationIcon() {
  std::shared_ptr<const ui::IconPicture> picture = ui::IconFromHandle(ApplicationIcon());
  return picture ? ui::CreateIconFromImages(picture->images) : ui::IconHandle::None;
}

}  // namespace qor::win
