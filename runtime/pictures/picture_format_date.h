#pragma once
// Formatting standard dates and times through date and time pictures.
#include <cstdint>
#include <string>

#include "runtime/pictures/picture.h"

namespace qor::rt {

// A date of 0 or an invalid one gives blanks over the whole width; a month name
// shorter than its letter cells closes up and the text is blank padded on the right.
std::string FormatDate(const CompiledPicture& picture, int32_t date);
// A time of 0 or an invalid one gives blanks over the whole width.
std::string FormatTime(const CompiledPicture& picture, int32_t time);

}  // namespace qor::rt
