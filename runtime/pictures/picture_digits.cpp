#include "runtime/pictures/picture_digits.h"

#include <algorithm>

namespace qor::rt {
namespace {

constexpr int kExponentLimit = 100000;

DigitString RoundKeeping(DigitString value, int keep) {
  if (keep >= static_cast<int>(value.digits.size())) return value;
  if (keep < 0) {
    value.digits.clear();
    return value;
  }
  bool up = value.digits[static_cast<size_t>(keep)] >= '5';
  value.digits.resize(static_cast<size_t>(keep));
  for (int i = keep - 1; up && i >= 0; --i) {
    char& d = value.digits[static_cast<size_t>(i)];
    up = d == '9';
    d = up ? '0' : static_cast<char>(d + 1);
  }
  if (up) {
    value.digits.insert(value.digits.begin(), '1');
    ++value.exponent;
  }
  NormaliseDigits(value);
  return value;
}

}  // namespace

void NormaliseDigits(DigitString& value) {
  size_t zeros = 0;
  while (zeros < value.digits.size() && value.digits[zeros] == '0') ++zeros;
  value.digits.erase(0, zeros);
  value.exponent -= static_cast<int>(zeros);
  while (!value.digits.empty() && value.digits.back() == '0') value.digits.pop_back();
  if (value.digits.empty()) {
    value.exponent = 0;
    value.negative = false;
  }
}

bool IsZeroValue(const DigitString& value) {
  return std::all_of(value.digits.begin(), value.digits.end(), [](char c) { return c == '0'; });
}

DigitString RoundToPlaces(DigitString value, int places) {
  NormaliseDigits(value);
  if (value.digits.empty()) return value;
  return RoundKeeping(value, value.exponent + places);
}

DigitString RoundToDigits(DigitString value, int count) {
  NormaliseDigits(value);
  if (value.digits.empty()) return value;
  return RoundKeeping(value, count);
}

char DigitAtPower(const DigitString& value, int power) {
  int index = value.exponent - 1 - power;
  if (index < 0 || index >= static_cast<int>(value.digits.size())) return '0';
  return value.digits[static_cast<size_t>(index)];
}

DigitString DigitsFromText(std::string_view text) {
  DigitString value;
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos < text.size() && text[pos] == '-') {
    value.negative = true;
    ++pos;
  }
  bool point = false;
  while (pos < text.size()) {
    char c = text[pos];
    if (c >= '0' && c <= '9') {
      value.digits += c;
      if (!point) ++value.exponent;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
    } else {
      break;
    }
    ++pos;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negativeExponent = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    int exponent = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
      exponent = std::min(exponent * 10 + (text[pos++] - '0'), kExponentLimit);
    }
    value.exponent += negativeExponent ? -exponent : exponent;
  }
  NormaliseDigits(value);
  return value;
}

std::string PlainNumberText(const DigitString& value) {
  if (value.digits.empty()) return "0";
  std::string text = value.negative ? "-" : "";
  int length = static_cast<int>(value.digits.size());
  if (value.exponent <= 0) {
    text += "0." + std::string(static_cast<size_t>(-value.exponent), '0') + value.digits;
  } else if (value.exponent >= length) {
    text += value.digits + std::string(static_cast<size_t>(value.exponent - length), '0');
  } else {
    text += value.digits.substr(0, static_cast<size_t>(value.exponent)) + "." +
            value.digits.substr(static_cast<size_t>(value.exponent));
  }
  return text;
}

bool IntegerPart(const DigitString& value, int32_t& out) {
  if (value.exponent > 10) return false;
  int64_t n = 0;
  for (int power = value.exponent - 1; power >= 0; --power) n = n * 10 + (DigitAtPower(value, power) - '0');
  if (value.negative) n = -n;
  if (n > INT32_MAX || n < INT32_MIN) return false;
  out = static_cast<int32_t>(n);
  return true;
}

}  // namespace qor::rt
