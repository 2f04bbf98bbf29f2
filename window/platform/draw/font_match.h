#pragma once
// Finding an installed font file for a face name the window runtime asks for. The old
// desktop's names map onto metric-compatible installed faces ("Arial" to a sans-serif
// face of the same widths, "Courier New" to a fixed-pitch one); the bitmap faces of that
// desktop ("MS Sans Serif", "Helv", "System") get the sans-serif face.
#include <optional>
#include <string>
#include <string_view>

namespace qor::ui {

struct FontFile {
  std::string path;
  std::string family;  // the installed family chosen
};

// weight: 100 to 900 (400 normal, 700 bold). None if no font at all is installed.
std::optional<FontFile> MatchFontFile(std::string_view face, int weight, bool italic);

}  // namespace qor::ui
