#pragma once
// Cursors: the stock mouse-pointer shapes, by their system numbers. The core only keeps
// which cursor is shown (SetCursor in input.h); a host asks each cursor for its shape and
// shows the matching pointer of its own display.
#include <cstdint>

#include "os/module.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/types.h"

namespace qor::ui {

enum class CursorShape {
  None,         // no cursor (or not one the core knows)
  Arrow,
  IBeam,        // text
  Wait,         // hourglass
  Cross,        // precise selection
  UpArrow,
  SizeNWSE,     // double arrow, top left to bottom right
  SizeNESW,     // double arrow, top right to bottom left
  SizeWE,       // double arrow, left and right
  SizeNS,       // double arrow, up and down
  SizeAll,      // four arrows
  No,           // slashed circle
  Hand,         // pointing hand
  AppStarting,  // arrow with a small hourglass
  Help,         // arrow with a question mark
};

// A null module asks for a stock cursor; the obsolete numbers IDC_SIZE and IDC_ICON give
// IDC_SIZEALL and IDC_ARROW. None for a number that names no stock cursor, and for the
// module's own cursor resources, which this system does not read.
CursorHandle LoadCursor(os::ModuleHandle module, const os::ResourceId& name);
// The shape of a cursor; None for none.
CursorShape GetCursorShape(CursorHandle cursor);
// The stock number of a cursor; 0 for none.
uint16_t GetCursorId(CursorHandle cursor);

}  // namespace qor::ui
