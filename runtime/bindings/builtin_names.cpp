#include "runtime/bindings/builtin_names.h"

#include "runtime/bindings/bindings.h"

namespace qor::rt {
namespace {

constexpr uint8_t F = kNameFunction;
constexpr uint8_t I = kClassInteger;
constexpr uint8_t R = kClassReal;
constexpr uint8_t S = kClassString;
constexpr uint8_t kList = kVariableArguments;

constexpr BuiltinName kBuiltins[] = {
    {"INT", F, 19, 1, I},      {"CENTER", F, 6, 2, S},    {"ASIN", F, 28, 1, R},
    {"AGE", F, 41, 2, S},      {"ABS", F, 17, 1, R},      {"ACOS", F, 29, 1, R},
    {"ALL", F, 5, 2, S},       {"BOR", F, 32, 2, I},      {"ATAN", F, 30, 1, R},
    {"BAND", F, 31, 2, I},     {"BSHIFT", F, 34, 2, I},   {"BXOR", F, 33, 2, I},
    {"DAY", F, 38, 1, I},      {"CLOCK", F, 36, 0, I},    {"CHOOSE", F, 42, kList, S},
    {"CHR", F, 7, 1, S},       {"CLIP", F, 4, 1, S},      {"COS", F, 26, 1, R},
    {"DATE", F, 37, 3, I},     {"INRANGE", F, 18, 3, I},  {"DEFORMAT", F, 8, 2, S},
    {"FORMAT", F, 9, 2, S},    {"GETINI", F, 44, 4, S},   {"INSTRING", F, 3, 4, I},
    {"RANDOM", F, 22, 2, I},   {"LOWER", F, 12, 1, S},    {"LOG10", F, 21, 1, R},
    {"LEFT", F, 10, 2, S},     {"LEN", F, 11, 1, I},      {"LOGE", F, 20, 1, R},
    {"MATCH", F, 45, 3, I},    {"MEMORY", F, 1, 1, I},    {"MONTH", F, 39, 1, I},
    {"NUMERIC", F, 13, 1, I},  {"TAN", F, 27, 1, R},      {"SIN", F, 25, 1, R},
    {"RIGHT", F, 14, 2, S},    {"ROUND", F, 23, 2, R},    {"SQRT", F, 24, 1, R},
    {"SUB", F, 2, 3, S},       {"VAL", F, 16, 1, I},      {"TODAY", F, 35, 0, I},
    {"UPPER", F, 15, 1, S},    {"YEAR", F, 40, 1, I},     {"NULL", F, 46, 1, I},
    {"INLIST", F, 43, kList, I},
    {"NOT", kNameOperator, 16, 0, 0}, {"AND", kNameOperator, 17, 0, 0},
    {"OR", kNameOperator, 18, 0, 0},  {"XOR", kNameOperator, 19, 0, 0},
};

}  // namespace

std::span<const BuiltinName> BuiltinNames() { return kBuiltins; }

}  // namespace qor::rt
