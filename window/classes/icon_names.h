#pragma once
// Icons and cursors named the way window definitions, properties and message boxes name
// them:
//   FF 01 n  (n a 16-bit number, not 0): the system's stock icon or cursor n - 1;
//   FF 02 n: the program's own icon or cursor resource n - 1;
//   "~name" (or any name when a resource is asked for): a resource of the module that
//            supplied the last window definition, named in upper case with "." made "_";
//   any other name: an icon file, "name.ico[2]" picking the image with that index.
// A name that is too short for its form, or names n = 0, names nothing.
#include <string>
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::win {

// The resource name of a "~name" or plain name: "QFUPROW.ICO" for "qfuprow.ico".
std::string ResourceNameOf(std::string_view name);

// An icon the caller owns (free it with DestroyIcon; stock icons survive that). None when
// the name names nothing that can be had.
ui::IconHandle IconFromName(std::string_view name, bool asResource = false);
// A cursor; None when the name names nothing (callers take the arrow then).
ui::CursorHandle CursorFromName(std::string_view name, bool asResource = false);
// The named cursor, or the standard arrow.
ui::CursorHandle CursorOrArrow(std::string_view name);

}  // namespace qor::win
