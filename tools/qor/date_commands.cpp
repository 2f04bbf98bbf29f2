// qor date, daynum, parts, time and timeparts: standard dates and times.
#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/locale/dates.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

int RunDate(std::span<const std::string_view> args);
int RunDaynum(std::span<const std::string_view> args);
int RunParts(std::span<const std::string_view> args);
int RunTime(std::span<const std::string_view> args);
int RunTimeparts(std::span<const std::string_view> args);

const QorCommand dateCommand("date", "date MONTH DAY YEAR",
                             "DATE: the standard date, months and days carried over; 0 when invalid", RunDate);
const QorCommand daynumCommand("daynum", "daynum YEAR MONTH DAY", "the standard date of a day; -1 when invalid",
                               RunDaynum);
const QorCommand partsCommand("parts", "parts DAYNUMBER", "\"YEAR MONTH DAY\" of a standard date; -1 when invalid",
                              RunParts);
const QorCommand timeCommand("time", "time H M S HUNDREDTHS", "the standard time of the parts", RunTime);
const QorCommand timepartsCommand("timeparts", "timeparts TIME",
                                  "\"H M S HUNDREDTHS\" of a standard time; -1 when invalid", RunTimeparts);

// Reads `count` whole numbers within [low, high]; false after reporting a usage error.
bool ReadNumbers(std::span<const std::string_view> args, size_t count, long long low, long long high,
                 const QorCommand& command, long long* out, int& status) {
  if (args.size() != count) {
    status = UsageError(std::string(command.name) + " takes " + std::to_string(count) + " numbers", &command);
    return false;
  }
  for (size_t i = 0; i < count; ++i) {
    if (!ParseInt64(args[i], out[i]) || out[i] < low || out[i] > high) {
      status = UsageError("not a whole number within range: " + std::string(args[i]), &command);
      return false;
    }
  }
  return true;
}

constexpr long long kInt32Low = INT32_MIN;
constexpr long long kInt32High = INT32_MAX;

int RunDate(std::span<const std::string_view> args) {
  long long n[3];
  int status = 0;
  if (!ReadNumbers(args, 3, kInt32Low, kInt32High, dateCommand, n, status)) return status;
  std::printf("%d\n", rt::DateValue(n[0], n[1], n[2]));
  return 0;
}

int RunDaynum(std::span<const std::string_view> args) {
  long long n[3];
  int status = 0;
  if (!ReadNumbers(args, 3, kInt32Low, kInt32High, daynumCommand, n, status)) return status;
  std::printf("%d\n", rt::DayNumber(static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2])));
  return 0;
}

int RunParts(std::span<const std::string_view> args) {
  long long n[1];
  int status = 0;
  if (!ReadNumbers(args, 1, kInt32Low, kInt32High, partsCommand, n, status)) return status;
  rt::CalendarParts parts;
  if (rt::CalendarPartsOf(static_cast<int32_t>(n[0]), parts) != 0) std::printf("-1\n");
  else std::printf("%d %d %d\n", parts.year, parts.month, parts.day);
  return 0;
}

int RunTime(std::span<const std::string_view> args) {
  long long n[4];
  int status = 0;
  if (!ReadNumbers(args, 4, kInt32Low, kInt32High, timeCommand, n, status)) return status;
  int64_t t = rt::WideTimeValue(static_cast<int32_t>(n[0]), static_cast<int32_t>(n[1]), static_cast<int32_t>(n[2]),
                                static_cast<int32_t>(n[3]));
  if (t < kInt32Low || t > kInt32High) return UsageError("the time lies outside 32 bits", &timeCommand);
  std::printf("%lld\n", static_cast<long long>(t));
  return 0;
}

int RunTimeparts(std::span<const std::string_view> args) {
  long long n[1];
  int status = 0;
  if (!ReadNumbers(args, 1, kInt32Low, kInt32High, timepartsCommand, n, status)) return status;
  rt::TimeParts parts;
  if (rt::TimePartsOf(static_cast<int32_t>(n[0]), parts) != 0) std::printf("-1\n");
  else std::printf("%d %d %d %d\n", parts.hours, parts.minutes, parts.seconds, parts.hundredths);
  return 0;
}

}  // namespace
}  // namespace qor::tool
