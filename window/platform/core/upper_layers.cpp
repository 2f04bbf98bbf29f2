#include "window/platform/core/upper_layers.h"

namespace qor::ui {

namespace {
UpperLayers g_layers;
}

void SetUpperLayers(const UpperLayers& layers) { g_layers = layers; }

const UpperLayers& GetUpperLayers() { return g_layers; }

}  // namespace qor::ui
