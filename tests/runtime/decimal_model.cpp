// Schoolbook arithmetic on digit strings; deliberately simple and unlike the
// runtime's limb arithmetic.
#include "tests/runtime/decimal_model.h"

#include <algorithm>

namespace qor::test {
namespace {

constexpr int kScale = 32;
constexpr std::size_t kKeptDigits = 64;

std::string Trim(std::string s) {
  std::size_t first = s.find_first_not_of('0');
  return first == std::string::npos ? "0" : s.substr(first);
}

int CompareMagnitude(const std::string& a, const std::string& b) {
  std::string x = Trim(a), y = Trim(b);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return x < y ? -1 : (x > y ? 1 : 0);
}

std::string AddMagnitude(const std::string& a, const std::string& b) {
  std::string r;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
    int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    int t = x + y + carry;
    r.push_back(static_cast<char>('0' + t % 10));
    carry = t / 10;
  }
  std::reverse(r.begin(), r.end());
  return Trim(r);
}

std::string SubtractMagnitude(const std::string& a, const std::string& b) {  // a >= b
  std::string r;
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    int x = a[a.size() - 1 - i] - '0' - borrow;
    int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    borrow = x < y;
    r.push_back(static_cast<char>('0' + x - y + (borrow ? 10 : 0)));
  }
  std::reverse(r.begin(), r.end());
  return Trim(r);
}

std::string MultiplyMagnitude(const std::string& a, const std::string& b) {
  std::string r(a.size() + b.size(), '0');
  for (int i = static_cast<int>(a.size()) - 1; i >= 0; --i) {
    int carry = 0;
    for (int j = static_cast<int>(b.size()) - 1; j >= 0; --j) {
      int t = (r[i + j + 1] - '0') + (a[i] - '0') * (b[j] - '0') + carry;
      r[i + j + 1] = static_cast<char>('0' + t % 10);
      carry = t / 10;
    }
    r[i] = static_cast<char>(r[i] + carry);
  }
  return Trim(r);
}

// Long division, one decimal digit at a time by repeated subtraction.
std::string DivideMagnitude(const std::string& a, const std::string& b) {
  std::string quotient, remainder = "0";
  for (char c : a) {
    remainder = Trim(remainder + c);
    int digit = 0;
    while (CompareMagnitude(remainder, b) >= 0) {
      remainder = SubtractMagnitude(remainder, b);
      ++digit;
    }
    quotient.push_back(static_cast<char>('0' + digit));
  }
  return Trim(quotient);
}

// Digits above index 63 are dropped.
ModelNumber Kept(bool negative, std::string digits) {
  digits = Trim(digits);
  if (digits.size() > kKeptDigits) digits = Trim(digits.substr(digits.size() - kKeptDigits));
  return {negative && digits != "0", digits};
}

}  // namespace

ModelNumber ModelFromPlain(const std::string& text) {
  bool negative = !text.empty() && text[0] == '-';
  std::string body = negative ? text.substr(1) : text;
  std::size_t point = body.find('.');
  std::string integer = point == std::string::npos ? body : body.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);
  fraction.resize(kScale, '0');
  return Kept(negative, integer + fraction);
}

std::string ModelToPlain(const ModelNumber& n) {
  std::string d = n.digits;
  if (d.size() <= kScale) d = std::string(kScale + 1 - d.size(), '0') + d;
  std::string integer = Trim(d.substr(0, d.size() - kScale));
  std::string fraction = d.substr(d.size() - kScale);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string r = (n.negative ? "-" : "") + integer;
  if (!fraction.empty()) r += "." + fraction;
  return r;
}

ModelNumber ModelAdd(const ModelNumber& a, const ModelNumber& b) {
  if (a.negative == b.negative) return Kept(a.negative, AddMagnitude(a.digits, b.digits));
  if (CompareMagnitude(a.digits, b.digits) >= 0) return Kept(a.negative, SubtractMagnitude(a.digits, b.digits));
  return Kept(b.negative, SubtractMagnitude(b.digits, a.digits));
}

ModelNumber ModelSubtract(const ModelNumber& a, const ModelNumber& b) {
  ModelNumber negated = b;
  negated.negative = !b.negative;
  return ModelAdd(a, negated);
}

ModelNumber ModelMultiply(const ModelNumber& a, const ModelNumber& b) {
  std::string product = MultiplyMagnitude(a.digits, b.digits);
  std::string truncated = product.size() > kScale ? product.substr(0, product.size() - kScale) : "0";
  return Kept(a.negative != b.negative, truncated);
}

ModelNumber ModelDivide(const ModelNumber& a, const ModelNumber& b) {
  if (Trim(b.digits) == "0") return {};
  // Quotient in units of 10^-32, with one guard digit for rounding at 31 places.
  std::string scaled = DivideMagnitude(a.digits + std::string(kScale, '0'), b.digits);
  ModelNumber exact = Kept(a.negative != b.negative, scaled);
  exact.digits = Trim(scaled);  // keep everything until rounded
  ModelNumber rounded = ModelRound(exact, 31);
  return Kept(rounded.negative, rounded.digits);
}

ModelNumber ModelRound(const ModelNumber& a, int places) {
  int drop = kScale - places;
  if (drop <= 0) return a;
  std::string d = std::string(static_cast<std::size_t>(drop) + 1, '0') + a.digits;
  std::string kept = d.substr(0, d.size() - static_cast<std::size_t>(drop));
  bool up = d[d.size() - static_cast<std::size_t>(drop)] >= '5';
  if (up) kept = AddMagnitude(kept, "1");
  return Kept(a.negative, kept + std::string(static_cast<std::size_t>(drop), '0'));
}

}  // namespace qor::test
