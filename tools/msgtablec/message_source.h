#pragma once
// The readable source of a message table. One line per message, in table order:
//
//   ID SEVERITY "TITLE" "TEXT"
//
// ID 0-65535; SEVERITY a number 0-255 or one of quiet (0), question (1), program (2),
// fatal (3), declined (4), notify (5); TITLE and TEXT in double quotes, at most 255
// characters each, with \" for a quote and \\ for a backslash (blanks inside the quotes
// are kept as they are). One line "table NAME" names the function that hands the packed
// table out. Lines starting with # and blank lines are skipped.
#include <string>
#include <string_view>
#include <vector>

#include "framework/message_table/message_table.h"

namespace qor::tool::msgtablec {

struct MessageSource {
  std::string tableName;
  std::vector<fw::MessageDefinition> definitions;
  std::string error;  // empty when the source is good
  int errorLine = 0;
};

MessageSource ParseMessageSource(std::string_view text);

}  // namespace qor::tool::msgtablec
