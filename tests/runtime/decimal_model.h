#pragma once
// An independent, slow model of the decimal rules for the tests: numbers are
// decimal strings turned into signed big integers counted in units of 10^-32.
#include <string>

namespace qor::test {

struct ModelNumber {
  bool negative = false;
  std::string digits = "0";  // magnitude in units of 10^-32, most significant first
};

ModelNumber ModelFromPlain(const std::string& text);  // "-12.5", "0.001", "7"
std::string ModelToPlain(const ModelNumber& n);       // the plain form qor calc prints

ModelNumber ModelAdd(const ModelNumber& a, const ModelNumber& b);
ModelNumber ModelSubtract(const ModelNumber& a, const ModelNumber& b);
ModelNumber ModelMultiply(const ModelNumber& a, const ModelNumber& b);
ModelNumber ModelDivide(const ModelNumber& a, const ModelNumber& b);
ModelNumber ModelRound(const ModelNumber& a, int places);

}  // namespace qor::test
