#pragma once
// While the program runs, its windows refuse every request to end the user's session:
// the asked window comes to the top and a system-modal box says why.
#include <string>

#include "window/platform/core/types.h"

namespace qor::win {

inline constexpr char kSessionRefusalText[] =
    "Application still active.\n\nQuit the application before quitting Windows.";
inline constexpr char kAlternativeCaption[] = "Tessary 5";

// The refusal box's caption: the program file's base name (no folder, no extension), or
// the alternative caption when the runtime's flag word asks for it.
std::string SessionRefusalCaption();
// Brings `hwnd` to the top and shows the box. The caller answers the query with 0.
void RefuseSessionEnd(ui::Hwnd hwnd);

}  // namespace qor::win
