#pragma once
// Stock icons are shared: registered once under their handle and never destroyed.
#include "window/platform/resources/icon.h"

namespace qor::ui::detail {

// Registers a stock icon under its handle (done once per stock id).
IconHandle RegisterSharedIcon(IconPicture picture);

}  // namespace qor::ui::detail
