// Formatting numbers through numeric, pattern and scientific pictures, and the
// dispatch for every picture kind.
#include <string>

#include "runtime/pictures/picture_digits.h"
#include "runtime/pictures/picture_format_date.h"

namespace qor::rt {
namespace {

bool IsDigitCell(uint8_t code) { return code == kCellDigit || code == kCellDigitSuppressed; }

struct DigitLayout {
  int integerCells = 0;
  int places = 0;
};

DigitLayout CountDigitCells(const CompiledPicture& picture) {
  DigitLayout layout;
  bool fraction = false;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count; ++i) {
    uint8_t code = picture.cells[i].code;
    if (code == kCellPoint || code == kCellImpliedPoint) fraction = true;
    if (IsDigitCell(code)) ++(fraction ? layout.places : layout.integerCells);
  }
  return layout;
}

// Fills numeric and pattern cells from left to right. Leading signs, currency and
// literals are held back until the first digit shown (or the first always-shown
// digit cell), so that they float right to touch the number.
class NumericFormatter {
 public:
  NumericFormatter(const CompiledPicture& picture, const DigitString& value)
      : picture_(picture), layout_(CountDigitCells(picture)) {
    value_ = RoundToPlaces(value, layout_.places);
    negative_ = value_.negative && !value_.digits.empty();
    int integerDigits = value_.exponent > 0 ? value_.exponent : 0;
    overflow_ = integerDigits > layout_.integerCells;
    firstSignificant_ = layout_.integerCells - integerDigits;
  }

  std::string Run() {
    if (picture_.BlankWhenZero() && value_.digits.empty()) return std::string(picture_.Width(), ' ');
    size_t count = picture_.CellCount();
    for (size_t i = 0; i < count; ++i) Cell(picture_.cells[i]);
    Flush();
    return out_;
  }

 private:
  void Flush() {
    if (pending_.empty()) return;
    out_.replace(out_.size() - pending_.size(), pending_.size(), pending_);
    pending_.clear();
  }

  void HoldBack(char c) {
    pending_ += c;
    out_ += ' ';
  }

  void Cell(const PictureCell& cell) {
    char c = static_cast<char>(cell.character);
    switch (cell.code) {
      case kCellDigit:
      case kCellDigitSuppressed: Digit(cell); break;
      case kCellImpliedPoint: fraction_ = true; break;
      case kCellPoint:
        fraction_ = true;
        out_ += c;
        break;
      case kCellGrouping:
        out_ += started_ || overflow_ ? c : (lastDigitChar_ == '*' ? '*' : ' ');
        break;
      case kCellSign:
        if (!seenDigit_) {
          if (negative_) HoldBack(c);
          else out_ += ' ';
        } else {
          Flush();
          out_ += negative_ ? c : ' ';
        }
        break;
      case kCellCurrency:
      case kCellLiteral:
        if (!started_ && !(seenDigit_ && picture_.Kind() == PictureKind::kNumeric)) {
          HoldBack(c);
        } else {
          Flush();
          out_ += c;
        }
        break;
      default: out_ += ' '; break;
    }
  }

  void Digit(const PictureCell& cell) {
    seenDigit_ = true;
    lastDigitChar_ = static_cast<char>(cell.character);
    if (overflow_) {
      Flush();
      out_ += '#';
      return;
    }
    if (fraction_) {
      Flush();
      started_ = true;
      out_ += DigitAtPower(value_, -(++fractionIndex_));
      return;
    }
    int position = integerIndex_++;
    int power = layout_.integerCells - 1 - position;
    if (!started_ && position < firstSignificant_) {
      if (cell.code == kCellDigit) Flush();
      out_ += static_cast<char>(cell.character);
      return;
    }
    Flush();
    started_ = true;
    out_ += DigitAtPower(value_, power);
  }

  const CompiledPicture& picture_;
  DigitLayout layout_;
  DigitString value_;
  bool negative_ = false;
  bool overflow_ = false;
  int firstSignificant_ = 0;
  std::string out_;
  std::string pending_;
  bool started_ = false;
  bool seenDigit_ = false;
  bool fraction_ = false;
  int integerIndex_ = 0;
  int fractionIndex_ = 0;
  char lastDigitChar_ = 0;
};

std::string ThreeDigits(int n) {
  if (n > 999) return "###";
  return {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// Sign, mantissa digits, point, fraction digits, "E", exponent sign and three digits.
std::string FormatScientific(const CompiledPicture& picture, const DigitString& input) {
  int mantissa = 0, fraction = 0;
  bool afterPoint = false;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count; ++i) {
    const PictureCell& cell = picture.cells[i];
    if (cell.code == kCellPoint) afterPoint = true;
    if (cell.code == kCellLiteral) break;
    if (IsDigitCell(cell.code)) ++(afterPoint ? fraction : mantissa);
  }
  DigitString value = RoundToDigits(input, mantissa + fraction);
  if (picture.BlankWhenZero() && value.digits.empty()) return std::string(picture.Width(), ' ');
  int exponent = value.digits.empty() ? 0 : value.exponent - mantissa;
  std::string exponentDigits = ThreeDigits(exponent < 0 ? -exponent : exponent);
  std::string out;
  int digitIndex = 0, exponentIndex = 0;
  bool inExponent = false;
  for (size_t i = 0; i < count; ++i) {
    const PictureCell& cell = picture.cells[i];
    char c = static_cast<char>(cell.character);
    if (cell.code == kCellSign) {
      out += value.negative ? c : ' ';
    } else if (cell.code == kCellExponentSign) {
      out += exponent < 0 ? '-' : '+';
      inExponent = true;
    } else if (IsDigitCell(cell.code) && inExponent) {
      out += exponentDigits[static_cast<size_t>(exponentIndex++)];
    } else if (IsDigitCell(cell.code)) {
      bool shown = !value.digits.empty() || cell.code == kCellDigit;
      char d = digitIndex < static_cast<int>(value.digits.size()) ? value.digits[static_cast<size_t>(digitIndex)] : '0';
      ++digitIndex;
      out += shown ? d : c;
    } else if (cell.code == kCellGrouping) {
      out += value.digits.empty() ? ' ' : c;
    } else {
      out += c;
    }
  }
  return out;
}

// Key-in pictures show a text's characters in their input positions.
std::string FormatKeyIn(const CompiledPicture& picture, std::string_view text) {
  std::string out;
  size_t next = 0;
  size_t count = picture.CellCount();
  for (size_t i = 0; i < count; ++i) {
    const PictureCell& cell = picture.cells[i];
    if (cell.code == kCellLiteral) {
      out += static_cast<char>(cell.character);
    } else {
      out += next < text.size() ? text[next] : ' ';
      ++next;
    }
  }
  return out;
}

std::string FitToWidth(std::string text, int width) {
  text.resize(static_cast<size_t>(width), ' ');
  return text;
}

}  // namespace

std::string FormatDigits(const CompiledPicture& picture, const DigitString& value) {
  if (!picture.IsValid()) return PlainNumberText(value);
  switch (picture.Kind()) {
    case PictureKind::kNumeric:
    case PictureKind::kPattern: return NumericFormatter(picture, value).Run();
    case PictureKind::kScientific: return FormatScientific(picture, value);
    case PictureKind::kDate:
    case PictureKind::kTime: {
      int32_t n = 0;
      if (!IntegerPart(value, n)) n = 0;
      return picture.Kind() == PictureKind::kDate ? FormatDate(picture, n) : FormatTime(picture, n);
    }
    case PictureKind::kKeyIn: return FormatKeyIn(picture, PlainNumberText(value));
    case PictureKind::kString: return FitToWidth(PlainNumberText(value), picture.Width());
  }
  return {};
}

std::string FormatText(const CompiledPicture& picture, std::string_view text) {
  if (!picture.IsValid()) return std::string(text);
  if (picture.Kind() == PictureKind::kString) return FitToWidth(std::string(text.substr(0, picture.Width())), picture.Width());
  if (picture.Kind() == PictureKind::kKeyIn) return FormatKeyIn(picture, text);
  return FormatDigits(picture, DigitsFromText(text));
}

}  // namespace qor::rt
