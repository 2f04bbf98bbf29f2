#include "runtime/pictures/picture_format_date.h"

#include "runtime/locale/case_tables.h"
#include "runtime/locale/dates.h"
#include "runtime/locale/locale.h"

namespace qor::rt {
namespace {

// Length of the run of cells with the same code starting at `start`.
size_t RunLength(const CompiledPicture& picture, size_t start, size_t count) {
  size_t end = start;
  while (end < count && picture.cells[end].code == picture.cells[start].code) ++end;
  return end - start;
}

// A number over a run of digit cells: its last digits; a leading zero shows the
// cell's own character.
void AppendField(std::string& out, const CompiledPicture& picture, size_t start, size_t length, int value) {
  std::string digits(length, '0');
  for (size_t i = length; i-- > 0; value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  bool leading = true;
  for (size_t i = 0; i < length; ++i) {
    leading = leading && digits[i] == '0' && i + 1 < length;
    out += leading ? static_cast<char>(picture.cells[start + i].character) : digits[i];
  }
}

std::string MonthNameFor(const CompiledPicture& picture, size_t cells, int month) {
  const Locale& locale = CurrentLocale();
  std::string name = cells <= kMonthAbbreviationLength ? locale.monthAbbreviations[month - 1] : locale.monthNames[month - 1];
  if (picture.number == 3 && picture.Kind() == PictureKind::kDate) name = UpperText(name);
  return name.substr(0, cells);
}

std::string Padded(std::string out, int width) {
  out.resize(static_cast<size_t>(width), ' ');
  return out;
}

void AppendCharacters(std::string& out, const CompiledPicture& picture, size_t start, size_t length) {
  for (size_t i = start; i < start + length; ++i) out += static_cast<char>(picture.cells[i].character);
}

int Hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

}  // namespace

std::string FormatDate(const CompiledPicture& picture, int32_t date) {
  CalendarParts parts;
  if (date == 0 || CalendarPartsOf(date, parts) != 0) return std::string(picture.Width(), ' ');
  std::string out;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count;) {
    const PictureCell& cell = picture.cells[i];
    size_t run = RunLength(picture, i, count);
    switch (cell.code) {
      case kCellMonth: AppendField(out, picture, i, run, parts.month); break;
      case kCellDay: AppendField(out, picture, i, run, parts.day); break;
      case kCellYear: AppendField(out, picture, i, run, parts.year); break;
      case kCellMonthName: out += MonthNameFor(picture, run, parts.month); break;
      default: AppendCharacters(out, picture, i, run); break;
    }
    i += run;
  }
  return Padded(out, picture.Width());
}

std::string FormatTime(const CompiledPicture& picture, int32_t time) {
  TimeParts parts;
  if (time == 0 || TimePartsOf(time, parts) != 0) return std::string(picture.Width(), ' ');
  bool twelveHour = false;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count; ++i) twelveHour = twelveHour || picture.cells[i].code == kCellAmPm;
  const Locale& locale = CurrentLocale();
  bool platform = picture.number == 7 || picture.number == 8;
  const std::string& marker = parts.hours >= 12 ? (platform ? locale.platformPm : locale.pm)
                                                : (platform ? locale.platformAm : locale.am);
  std::string out;
  for (size_t i = 0; i < count;) {
    const PictureCell& cell = picture.cells[i];
    size_t run = RunLength(picture, i, count);
    switch (cell.code) {
      case kCellHour: AppendField(out, picture, i, run, twelveHour ? Hour12(parts.hours) : parts.hours); break;
      case kCellMinute: AppendField(out, picture, i, run, parts.minutes); break;
      case kCellSecond: AppendField(out, picture, i, run, parts.seconds); break;
      case kCellAmPm:
        out += marker.empty() ? ' ' : marker[0];
        if (i + 1 < count) out += marker.size() > 1 ? marker[1] : ' ';
        run = i + 1 < count ? 2 : 1;
        break;
      default: AppendCharacters(out, picture, i, run); break;
    }
    i += run;
  }
  return Padded(out, picture.Width());
}

}  // namespace qor::rt
