// Numbers read out of typed text by a picture's shape.
#include "window/controls/field_values/typed_number.h"

#include <cmath>
#include <cstdlib>

#include "window/controls/field_values/variable_text.h"
#include "runtime/values/variable_reference.h"

namespace qor::win {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digit cells before and after the picture's point.
void CountDigitCells(const rt::CompiledPicture& picture, NumberShape& shape) {
  shape.integerDigits = 0;
  shape.places = 0;
  bool afterPoint = false;
  for (size_t i = 0; i < picture.CellCount(); ++i) {
    const rt::PictureCell& cell = picture.cells[i];
    switch (cell.code) {
      case rt::kCellDigit:
      case rt::kCellDigitSuppressed: (afterPoint ? shape.places : shape.integerDigits) += 1; break;
      case rt::kCellPoint: afterPoint = true; shape.point = static_cast<char>(cell.character); break;
      case rt::kCellImpliedPoint: afterPoint = true; shape.impliedPoint = true; break;
      case rt::kCellGrouping: shape.grouping = static_cast<char>(cell.character); break;
      case rt::kCellCurrency: shape.currency += static_cast<char>(cell.character); break;
      case rt::kCellSign:
        if (cell.character == '(' || cell.character == ')') shape.parentheses = true;
        shape.minus = true;
        break;
      default: break;
    }
  }
}

class Reader {
 public:
  Reader(const NumberShape& shape, std::string_view typed) : shape_(shape), typed_(typed) {}

  TypedNumber Read() {
    for (size_t i = 0; i < typed_.size(); ++i) {
      if (!Take(typed_[i], i)) return Bad(i);
    }
    return Finish();
  }

 private:
  bool Take(char c, size_t at) {
    if (IsDigit(c)) return Digit(c, at);
    if (c == ' ') return true;
    if (exponentStarted_) return ExponentSign(c);
    if (c == shape_.point && shape_.point != 0 && shape_.places > 0 && !shape_.impliedPoint && !point_) {
      point_ = true;
      return true;
    }
    if (c == shape_.grouping && shape_.grouping != 0 && !point_) return true;
    if (shape_.currency.find(c) != std::string::npos) return true;
    if ((c == 'e' || c == 'E') && shape_.exponent && sawDigit_) {
      exponentStarted_ = true;
      return true;
    }
    return Sign(c);
  }

  bool Digit(char c, size_t at) {
    if (!sawDigit_) first_ = at;
    sawDigit_ = true;
    if (exponentStarted_) exponent_ += c;
    else if (point_) fraction_ += c;
    else integer_ += c;
    return true;
  }

  bool Sign(char c) {
    bool isMinus = c == '-' || c == '+';
    bool isParenthesis = c == '(' || c == ')';
    if (isParenthesis && shape_.parentheses) {
      if (c == ')') {
        if (!parenthesisOpen_) return false;
        parenthesisOpen_ = false;
        return true;
      }
      if (signed_) return false;
      signed_ = negative_ = parenthesisOpen_ = true;
      return true;
    }
    if (!isMinus || !shape_.minus || signed_) return false;
    signed_ = true;
    negative_ = c == '-';
    return true;
  }

  bool ExponentSign(char c) {
    if ((c != '-' && c != '+') || !exponent_.empty() || exponentSign_ != 0) return false;
    exponentSign_ = c;
    return true;
  }

  TypedNumber Bad(size_t at) const {
    TypedNumber number;
    number.badPosition = at;
    number.firstDigit = sawDigit_ ? first_ : at;
    return number;
  }

  TypedNumber Finish() {
    if (parenthesisOpen_) return Bad(typed_.size());
    if (shape_.impliedPoint) SplitImpliedPlaces();
    size_t zeros = integer_.find_first_not_of('0');
    integer_.erase(0, zeros == std::string::npos ? integer_.size() : zeros);
    if (static_cast<int>(integer_.size()) > shape_.integerDigits ||
        static_cast<int>(fraction_.size()) > shape_.places)
      return Bad(first_);
    TypedNumber number;
    number.valid = true;
    number.firstDigit = first_;
    bool zero = integer_.empty() && fraction_.find_first_not_of('0') == std::string::npos;
    number.text = (negative_ && !zero ? "-" : "") + (integer_.empty() ? "0" : integer_);
    if (!fraction_.empty()) number.text += "." + fraction_;
    if (!exponent_.empty()) number.text += std::string("e") + (exponentSign_ == '-' ? "-" : "") + exponent_;
    return number;
  }

  // Typed without a point: the last digits are the places.
  void SplitImpliedPlaces() {
    size_t places = std::min<size_t>(integer_.size(), static_cast<size_t>(shape_.places));
    fraction_ = integer_.substr(integer_.size() - places);
    integer_.erase(integer_.size() - places);
  }

  const NumberShape& shape_;
  std::string_view typed_;
  std::string integer_, fraction_, exponent_;
  size_t first_ = 0;
  bool sawDigit_ = false, point_ = false, signed_ = false, negative_ = false;
  bool parenthesisOpen_ = false, exponentStarted_ = false;
  char exponentSign_ = 0;
};

}  // namespace

NumberShape NumberShapeOf(const rt::CompiledPicture& picture) {
  NumberShape shape;
  shape.minus = false;
  CountDigitCells(picture, shape);
  if (picture.Kind() == rt::PictureKind::kScientific) {
    shape.exponent = true;
    shape.integerDigits = kAnyDigits;
    shape.places = kAnyDigits;
  }
  return shape;
}

NumberShape FreeNumberShape() { return NumberShape{}; }

TypedNumber ReadTypedNumber(const NumberShape& shape, std::string_view typed) {
  return Reader(shape, typed).Read();
}

double NumberValue(const TypedNumber& number, uint8_t typeCode) {
  bool integer = IsNumericType(typeCode) && typeCode != rt::kTypeSreal && typeCode != rt::kTypeReal;
  bool plain = number.text.find('e') == std::string::npos;
  // The integer part is read from the text itself, as the store reads it: a long run of
  // nines after the point must not round the value up to the next whole number.
  if (integer && plain) return std::strtod(number.text.substr(0, number.text.find('.')).c_str(), nullptr);
  double value = std::strtod(number.text.c_str(), nullptr);
  return integer ? std::trunc(value) : value;
}

}  // namespace qor::win
