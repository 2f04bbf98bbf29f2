#include "window/platform/hosts/install_upper_layers.h"

#include "window/platform/core/upper_layers.h"
#include "window/platform/defaults/window_frame.h"
#include "window/platform/dialogs/default_button.h"
#include "window/platform/system_controls/system_classes.h"

namespace qor::ui {

void InstallUpperLayers() {
  UpperLayers layers;
  layers.registerSystemClass = &RegisterSystemClassNamed;
  layers.drawFrame = &DrawWindowFrame;
  layers.focusMoved = &FollowFocusWithDefaultLook;
  SetUpperLayers(layers);
}

}  // namespace qor::ui
