// The locale's date pictures 17 and 18 and time pictures 7 and 8, built from the
// platform's "intl" profile.
#include <string>

#include "runtime/locale/locale.h"
#include "runtime/pictures/picture_builder.h"

namespace qor::rt {
namespace {

void AddField(CellList& cells, uint8_t code, int count, bool leadingZero) {
  for (int i = 0; i < count; ++i)
    cells.push_back({static_cast<uint8_t>(i == 0 && !leadingZero ? ' ' : '0'), code});
}

void AddSeparators(CellList& cells, std::string_view text) {
  for (char c : text) cells.push_back({static_cast<uint8_t>(c), kCellSeparator});
}

// Short date: the order from the first letter, leading zeros from "dd" and "MM",
// four year digits from "yyy", the separator after the last "M".
CellList ShortDateCells(const std::string& format) {
  bool dayZero = format.find("dd") != std::string::npos;
  bool monthZero = format.find("MM") != std::string::npos;
  int yearDigits = format.find("yyy") != std::string::npos ? 4 : 2;
  size_t lastM = format.rfind('M');
  char separator = lastM != std::string::npos && lastM + 1 < format.size() ? format[lastM + 1] : '/';
  char order = format.empty() ? 'M' : format.front();
  auto day = [&](CellList& c) { AddField(c, kCellDay, 2, dayZero); };
  auto month = [&](CellList& c) { AddField(c, kCellMonth, 2, monthZero); };
  auto year = [&](CellList& c) { AddField(c, kCellYear, yearDigits, true); };
  CellList cells;
  std::string sep(1, separator);
  if (order == 'd') {
    day(cells), AddSeparators(cells, sep), month(cells), AddSeparators(cells, sep), year(cells);
  } else if (order == 'y') {
    year(cells), AddSeparators(cells, sep), month(cells), AddSeparators(cells, sep), day(cells);
  } else {
    month(cells), AddSeparators(cells, sep), day(cells), AddSeparators(cells, sep), year(cells);
  }
  return cells;
}

// One piece of a long date format: a field (letter and run length) or literal text.
struct FormatPiece {
  char letter = 0;  // 'd', 'M', 'y'; 0 for literal text
  int count = 0;
  std::string literal;
};

std::vector<FormatPiece> SplitLongFormat(const std::string& format) {
  std::vector<FormatPiece> pieces;
  auto literal = [&]() -> std::string& {
    if (pieces.empty() || pieces.back().letter != 0) pieces.push_back({});
    return pieces.back().literal;
  };
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '\'') {
      std::string& text = literal();
      for (++i; i < format.size(); ++i) {
        if (format[i] != '\'') {
          text += format[i];
        } else if (i + 1 < format.size() && format[i + 1] == '\'') {
          text += '\'';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else if (c == 'd' || c == 'M' || c == 'y') {
      size_t run = i;
      while (run < format.size() && format[run] == c) ++run;
      pieces.push_back({c, static_cast<int>(run - i), {}});
      i = run;
    } else {
      literal() += c;
      ++i;
    }
  }
  return pieces;
}

void AddLongField(CellList& cells, const FormatPiece& field) {
  switch (field.letter) {
    case 'd': AddField(cells, kCellDay, 2, field.count >= 2); break;
    case 'M':
      if (field.count >= 3) {
        for (int i = 0; i < (field.count == 3 ? 3 : 9); ++i) cells.push_back({' ', kCellMonthName});
      } else {
        AddField(cells, kCellMonth, 2, field.count == 2);
      }
      break;
    default: AddField(cells, kCellYear, field.count > 4 ? 4 : field.count, true); break;
  }
}

// Long date: day-of-week fields ("ddd", "dddd") and the text after them are left
// out; of each of d, M and y the first field counts, with the literal text after it.
CellList LongDateCells(const std::string& format) {
  std::vector<FormatPiece> pieces = SplitLongFormat(format);
  CellList cells;
  bool used[3] = {false, false, false};
  bool keepLiteral = false;
  for (const FormatPiece& piece : pieces) {
    if (piece.letter == 0) {
      if (keepLiteral) AddSeparators(cells, piece.literal);
      continue;
    }
    int index = piece.letter == 'd' ? 0 : piece.letter == 'M' ? 1 : 2;
    keepLiteral = !(piece.letter == 'd' && piece.count >= 3) && !used[index];
    if (!keepLiteral) continue;
    used[index] = true;
    AddLongField(cells, piece);
  }
  return cells;
}

}  // namespace

CellList LocaleDateCells(int number) {
  const os::IntlProfile& intl = CurrentLocale().intl;
  return number == 17 ? ShortDateCells(intl.sShortDate) : LongDateCells(intl.sLongDate);
}

CellList LocaleTimeCells(int number) {
  const os::IntlProfile& intl = CurrentLocale().intl;
  std::string separator = intl.sTime.substr(0, 1);
  CellList cells;
  AddField(cells, kCellHour, 2, intl.iTLzero != 0);
  AddSeparators(cells, separator);
  AddField(cells, kCellMinute, 2, true);
  if (number == 8) {
    AddSeparators(cells, separator);
    AddField(cells, kCellSecond, 2, true);
  }
  if (intl.iTime == 0) {
    cells.push_back({' ', kCellLiteral});
    cells.push_back({' ', kCellAmPm});
    cells.push_back({'M', kCellLiteral});
  }
  return cells;
}

}  // namespace qor::rt
