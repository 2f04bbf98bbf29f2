// Reading typed text back through a picture (DEFORMAT and entry controls).
#include <string>

#include "runtime/locale/case_tables.h"
#include "runtime/locale/dates.h"
#include "runtime/locale/locale.h"
#include "runtime/pictures/picture.h"

namespace qor::rt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits, the first ".", the first "e", a "-" at the start or after the "e", a "+"
// after the "e".
std::string NumberCharacters(std::string_view text) {
  std::string out;
  bool point = false, exponent = false;
  for (char c : text) {
    bool afterE = !out.empty() && (out.back() == 'e' || out.back() == 'E');
    if (IsDigit(c) || (c == '.' && !point) || ((c == 'e' || c == 'E') && !exponent) ||
        (c == '-' && (out.empty() || afterE)) || (c == '+' && afterE)) {
      out += c;
      point = point || c == '.';
      exponent = exponent || c == 'e' || c == 'E';
    }
  }
  return out;
}

// Leading zeros of the integer part go; an empty number is "0".
std::string TidyNumber(std::string digits, bool negative) {
  size_t zeros = 0;
  while (zeros + 1 < digits.size() && digits[zeros] == '0' && IsDigit(digits[zeros + 1])) ++zeros;
  digits.erase(0, zeros);
  if (digits.empty() || !IsDigit(digits.front())) digits.insert(digits.begin(), '0');
  return negative ? "-" + digits : digits;
}

std::string DeformatNumber(const CompiledPicture& picture, std::string_view text) {
  std::string out;
  bool negative = false;
  bool keyIn = picture.Kind() == PictureKind::kKeyIn;
  size_t pos = 0;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count && pos < text.size(); ++i) {
    const PictureCell& cell = picture.cells[i];
    if (cell.code == kCellImpliedPoint) {  // takes no position of the text
      out += '.';
      continue;
    }
    char c = text[pos++];
    switch (cell.code) {
      case kCellDigit:
      case kCellDigitSuppressed:
      case kCellGrouping:
      case kCellSign:
        if (c == ' ' && cell.code == kCellDigitSuppressed) out += '0';
        else if (c == '-' || c == '(') negative = true;
        else if (c == '+') negative = false;
        else if (IsDigit(c)) out += c;
        break;
      case kCellPoint: out += '.'; break;
      case kCellExponentSign: out += c == '-' ? "e-" : "e+"; break;
      case kCellKeyAny:
      case kCellKeyUpper:
      case kCellKeyLower:
      case kCellKeyQuery:
      case kCellKeyBar: out += c; break;
      default: break;
    }
  }
  return keyIn ? out : TidyNumber(out, negative);
}

struct DateTimeFields {
  int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
  bool monthGiven = false, dayGiven = false, yearGiven = false;
  bool am = false, pm = false;
};

class DateTimeReader {
 public:
  DateTimeReader(const CompiledPicture& picture, std::string_view text) : picture_(picture), text_(text) {}

  DateTimeFields Read() {
    size_t count = picture_.CellCount();
    for (size_t i = 0; i < count && pos_ < text_.size();) {
      size_t run = 1;
      while (i + run < count && picture_.cells[i + run].code == picture_.cells[i].code) ++run;
      Cell(picture_.cells[i].code, run);
      i += run;
    }
    return fields_;
  }

 private:
  void Cell(uint8_t code, size_t run) {
    switch (code) {
      case kCellMonth: fields_.monthGiven |= Number(run, fields_.month); break;
      case kCellDay: fields_.dayGiven |= Number(run, fields_.day); break;
      case kCellYear: fields_.yearGiven |= Number(run, fields_.year); break;
      case kCellHour: Number(run, fields_.hour); break;
      case kCellMinute: Number(run, fields_.minute); break;
      case kCellSecond: Number(run, fields_.second); break;
      case kCellMonthName: MonthName(run); break;
      case kCellAmPm: AmPm(); break;
      default: pos_ += run; break;
    }
  }

  // One number over a run of cells; a non-digit after a digit ends it early and is
  // left for the next cell.
  bool Number(size_t run, int& value) {
    bool got = false;
    value = 0;
    for (size_t k = 0; k < run && pos_ < text_.size(); ++k) {
      char c = text_[pos_];
      if (IsDigit(c)) {
        value = value * 10 + (c - '0');
        got = true;
      } else if (got) {
        break;
      }
      ++pos_;
    }
    return got;
  }

  void MonthName(size_t run) {
    std::string typed = UpperText(text_.substr(pos_, 3));
    const Locale& locale = CurrentLocale();
    for (int m = 0; m < 12 && typed.size() == 3; ++m) {
      if (UpperText(locale.monthAbbreviations[m]) != typed) continue;
      fields_.month = m + 1;
      fields_.monthGiven = true;
      pos_ += 3;
      while (pos_ < text_.size() && IsAlphaChar(static_cast<uint8_t>(text_[pos_]))) ++pos_;
      return;
    }
    pos_ += run;
  }

  void AmPm() {
    const Locale& locale = CurrentLocale();
    bool platform = picture_.number == 7 || picture_.number == 8;
    const std::string& am = platform ? locale.platformAm : locale.am;
    const std::string& pm = platform ? locale.platformPm : locale.pm;
    uint8_t c = UpperChar(static_cast<uint8_t>(text_[pos_++]));
    if (!pm.empty() && c == UpperChar(static_cast<uint8_t>(pm[0]))) fields_.pm = true;
    else if (!am.empty() && c == UpperChar(static_cast<uint8_t>(am[0]))) fields_.am = true;
  }

  const CompiledPicture& picture_;
  std::string_view text_;
  size_t pos_ = 0;
  DateTimeFields fields_;
};

std::string DeformatDate(const CompiledPicture& picture, std::string_view text) {
  DateTimeFields f = DateTimeReader(picture, text).Read();
  if (!f.monthGiven && !f.dayGiven && !f.yearGiven) return "0";
  int day = f.day;
  if (picture.number >= 13 && picture.number <= 16 && !f.dayGiven) day = 1;
  return std::to_string(DateValue(f.month, day, f.year, picture.yearWindow));
}

std::string DeformatTime(const CompiledPicture& picture, std::string_view text) {
  DateTimeFields f = DateTimeReader(picture, text).Read();
  if (f.pm && f.hour != 12) f.hour += 12;
  bool midnight = f.am && f.hour == 12;
  if (midnight) f.hour = 0;
  if (f.hour >= 24 || f.minute >= 60 || f.second >= 60) return "-1";
  if (f.hour == 0 && f.minute == 0 && f.second == 0 && !midnight) return "0";
  return std::to_string(f.hour * 360000 + f.minute * 6000 + f.second * 100 + 1);
}

}  // namespace

std::string DeformatText(const CompiledPicture& picture, std::string_view text) {
  if (!picture.IsValid()) return "";
  switch (picture.Kind()) {
    case PictureKind::kString: return NumberCharacters(text.substr(0, picture.Width()));
    case PictureKind::kDate: return DeformatDate(picture, text);
    case PictureKind::kTime: return DeformatTime(picture, text);
    default: return DeformatNumber(picture, text);
  }
}

}  // namespace qor::rt
