#include "window/platform/resources/cursor.h"

#include <array>

namespace qor::ui {

namespace {

struct StockCursor {
  uint16_t id;
  CursorShape shape;
};

constexpr std::array<StockCursor, 15> kStock = {{
    {IDC_ARROW, CursorShape::Arrow},       {IDC_IBEAM, CursorShape::IBeam},
    {IDC_WAIT, CursorShape::Wait},         {IDC_CROSS, CursorShape::Cross},
    {IDC_UPARROW, CursorShape::UpArrow},   {IDC_SIZENWSE, CursorShape::SizeNWSE},
    {IDC_SIZENESW, CursorShape::SizeNESW}, {IDC_SIZEWE, CursorShape::SizeWE},
    {IDC_SIZENS, CursorShape::SizeNS},     {IDC_SIZEALL, CursorShape::SizeAll},
    {IDC_NO, CursorShape::No},             {IDC_HAND, CursorShape::Hand},
    {IDC_APPSTARTING, CursorShape::AppStarting}, {IDC_HELP, CursorShape::Help},
    {0, CursorShape::None},
}};

// A stock cursor's handle is its number: the same handle every time, nothing to free.
const StockCursor* Find(uint16_t id) {
  for (const StockCursor& stock : kStock) {
    if (stock.id == id && id != 0) return &stock;
  }
  return nullptr;
}

const StockCursor* FromHandle(CursorHandle cursor) {
  uintptr_t value = static_cast<uintptr_t>(cursor);
  return value <= 0xFFFF ? Find(static_cast<uint16_t>(value)) : nullptr;
}

}  // namespace

CursorHandle LoadCursor(os::ModuleHandle module, const os::ResourceId& name) {
  if (module || !name.IsNumber()) return CursorHandle::None;
  uint16_t id = name.Number();
  if (id == IDC_SIZE) id = IDC_SIZEALL;
  if (id == IDC_ICON) id = IDC_ARROW;
  return Find(id) ? static_cast<CursorHandle>(id) : CursorHandle::None;
}

CursorShape GetCursorShape(CursorHandle cursor) {
  const StockCursor* stock = FromHandle(cursor);
  return stock ? stock->shape : CursorShape::None;
}

uint16_t GetCursorId(CursorHandle cursor) {
  const StockCursor* stock = FromHandle(cursor);
  return stock ? stock->id : 0;
}

}  // namespace qor::ui
