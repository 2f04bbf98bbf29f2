#pragma once
// Connects the core to the folders above it (system classes made on first use, frames
// drawn by the frame code). Every host calls it as it is made; a program that runs
// windows without a host of its own calls it once before its first window.
namespace qor::ui {

void InstallUpperLayers();

}  // namespace qor::ui
