#pragma once
// The names a selector may give instead of a property number. Each name stands for one
// number of the property table and reaches the same handler as that number, in a read
// and a set alike. A name matches without regard to case, once blanks around it are
// gone; a name that is not here addresses no property.
#include <cstdint>
#include <span>
#include <string_view>

namespace qor::win {

struct PropertyName {
  std::string_view name;  // upper case
  int32_t number;
};

// The number a name stands for; 0 when it names none.
int32_t PropertyNumberOfName(std::string_view name);

// Every name, in ascending order of number.
std::span<const PropertyName> AllPropertyNames();

}  // namespace qor::win
