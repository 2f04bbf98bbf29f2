#pragma once
// Item lists, the form of every environment-file value: items separated by blanks
// or commas, each optionally in double quotes (a doubled quote inside stands for
// one quote; blanks and commas inside are part of the item).
#include <optional>
#include <string>
#include <string_view>

namespace qor::rt {

inline constexpr size_t kQuotedListLimit = 400;
inline constexpr size_t kSingleValueLimit = 256;

// Turns a value as written into its quoted list form. A value that (after leading
// blanks and tabs) does not begin with a quote is enclosed in quotes with its quotes
// doubled, and each comma becomes an item boundary unless `commasSeparate` is false.
// The result holds at most 400 characters.
std::string QuotedList(std::string_view value, bool commasSeparate = true);

// The n-th item (0-based) of a quoted list, quotes removed and doubled quotes
// collapsed; nothing past the last item.
std::optional<std::string> ListItem(std::string_view list, int n);

// The whole value with surrounding blanks and one pair of surrounding quotes
// removed and doubled quotes collapsed; at most 256 characters.
std::string SingleValue(std::string_view value);

}  // namespace qor::rt
