#pragma once
// The text of a message box, broken into the lines it shows. Lines break where the text
// has CR LF, LF or CR, and at the last blank that lets a line fit the width; a word
// wider than the width is broken inside itself, so nothing sticks out. When there are
// more lines than `maxLines` allows, the rest are dropped and the last kept line ends
// in "..." (shortened until that fits). "&" is an ordinary character; tabs go to the
// next stop, as the text static draws them.
#include <string>
#include <string_view>
#include <vector>

#include "window/platform/draw/text_layout.h"
#include "window/platform/core/types.h"

namespace qor::win {

struct BoxText {
  std::vector<std::string> lines;
  ui::Size extent;  // the widest line, and the height of all lines (pixels)
  // The lines joined with CR LF, as the text static is given them.
  std::string Joined() const;
};

BoxText BreakBoxText(std::string_view text, int width, int maxLines, const ui::TextMeasure& measure);

}  // namespace qor::win
