#pragma once
// The language's built-in functions and logical operators, entered into every name
// tree when it is created.
#include <cstdint>
#include <span>

namespace qor::rt {

struct BuiltinName {
  const char* name;
  uint8_t kind;        // kNameFunction or kNameOperator
  uint8_t code;
  uint8_t arguments;   // functions: kVariableArguments for a list
  uint8_t valueClass;  // functions: the result's class; operators 0
};

// The 46 functions, then NOT, AND, OR and XOR.
std::span<const BuiltinName> BuiltinNames();

}  // namespace qor::rt
