#pragma once
// The application frame's document area. This program opens no frame; the auxiliary
// class of the frame's document windows is registered once per process all the same.
namespace qor::win {

inline constexpr char kAuxiliaryClassName[] = "QorDummyMDIClassName";

// Registers the auxiliary class (default procedure, no icon, no cursor); once.
void RegisterAuxiliaryClass();
void UnregisterAuxiliaryClass();
// Makes the frame's client area recompute its layout: a document window of the auxiliary
// class is created in it and destroyed at once. Without a frame it does nothing.
void RefreshFrameClient();

}  // namespace qor::win
