// Compiling date (@D) and time (@T) pictures.
#include <string>

#include "runtime/pictures/picture_builder.h"

namespace qor::rt {
namespace {

// Layouts: M/D/Y/H a digit blank when it is a leading zero, m/d/y/h/n/s a digit,
// N a month-name letter, X the AM/PM marker; any other character is a separator.
constexpr const char* kDateLayouts[17] = {
    nullptr,      "Mm/dd/yy",  "Mm/dd/yyyy", "NNN Dd,yyyy", "NNNNNNNNNNNN Dd, yyyy", "Dd/mm/yy",
    "Dd/mm/yyyy", "Dd NNN yy", "Dd NNN yyyy", "yy/mm/dd",   "yyyy/mm/dd",            "yymmdd",
    "yyyymmdd",   "mm/yy",     "mm/yyyy",    "yy/mm",       "yyyy/mm"};
constexpr const char* kTimeLayouts[7] = {nullptr,   "Hh:nn",    "Hhnn",      "Hh:nnXM",
                                         "Hh:nn:ss", "Hhnnss",   "Hh:nn:ssXM"};

PictureCell LayoutCell(char c) {
  switch (c) {
    case 'M': return {' ', kCellMonth};
    case 'm': return {'0', kCellMonth};
    case 'D': return {' ', kCellDay};
    case 'd': return {'0', kCellDay};
    case 'y': return {'0', kCellYear};
    case 'N': return {' ', kCellMonthName};
    case 'H': return {' ', kCellHour};
    case 'h': return {'0', kCellHour};
    case 'n': return {'0', kCellMinute};
    case 's': return {'0', kCellSecond};
    case 'X': return {' ', kCellAmPm};
    default: return {static_cast<uint8_t>(c), kCellSeparator};
  }
}

CellList CellsOfLayout(std::string_view layout) {
  CellList cells;
  for (size_t i = 0; i < layout.size(); ++i) {
    PictureCell cell = LayoutCell(layout[i]);
    // The letter after the AM/PM marker receives the text's second letter.
    if (i > 0 && layout[i - 1] == 'X') cell = {static_cast<uint8_t>(layout[i]), kCellLiteral};
    cells.push_back(cell);
  }
  return cells;
}

bool IsFieldCell(uint8_t code) {
  return (code >= kCellMonth && code <= kCellSecond);
}

struct DateTimeOptions {
  char fill = 0;
  int number = 0;
  int window = kPictureDefaultYearWindow;
  char separator = 0;
};

// [fill] number [<n | >n] [separator]
bool ParseDateTime(std::string_view body, bool allowWindow, DateTimeOptions& o) {
  size_t pos = 0;
  if (pos < body.size() && (body[pos] == '0' || body[pos] == '_' || body[pos] == '*') && pos + 1 < body.size() &&
      body[pos + 1] >= '0' && body[pos + 1] <= '9')
    o.fill = body[pos++];
  if (!ReadPictureNumber(body, pos, o.number)) return false;
  if (allowWindow && pos < body.size() && (body[pos] == '<' || body[pos] == '>')) {
    char direction = body[pos++];
    int n = 0;
    if (!ReadPictureNumber(body, pos, n) || n > 99) return false;
    if (direction == '<') o.window = n == 0 ? kPictureDefaultYearWindow : n;
    else o.window = n == 0 ? 19 : 99 - n;
  }
  if (pos < body.size() && (body[pos] == '.' || body[pos] == '-' || body[pos] == '_' || body[pos] == '`'))
    o.separator = MappedPictureChar(body[pos++]);
  return pos == body.size();
}

bool Finish(CellList cells, const DateTimeOptions& o, CompiledPicture& picture) {
  for (PictureCell& cell : cells) {
    if (o.fill && (IsFieldCell(cell.code) || cell.code == kCellMonthName))
      cell.character = static_cast<uint8_t>(MappedPictureChar(o.fill));
    if (o.separator && cell.code == kCellSeparator) cell.character = static_cast<uint8_t>(o.separator);
  }
  picture.number = static_cast<uint8_t>(o.number);
  picture.yearWindow = static_cast<uint8_t>(o.window);
  return StoreCells(picture, cells, CellWidth(cells));
}

}  // namespace

bool CompileDate(std::string_view body, CompiledPicture& picture) {
  DateTimeOptions o;
  if (!ParseDateTime(body, true, o) || o.number < 1 || o.number > 18) return false;
  CellList cells = o.number <= 16 ? CellsOfLayout(kDateLayouts[o.number]) : LocaleDateCells(o.number);
  return Finish(cells, o, picture);
}

bool CompileTime(std::string_view body, CompiledPicture& picture) {
  DateTimeOptions o;
  if (!ParseDateTime(body, false, o) || o.number < 1 || o.number > 8) return false;
  CellList cells = o.number <= 6 ? CellsOfLayout(kTimeLayouts[o.number]) : LocaleTimeCells(o.number);
  return Finish(cells, o, picture);
}

}  // namespace qor::rt
