#include "runtime/environment/environment_settings.h"

#include <optional>

#include "os/codepage.h"
#include "runtime/base/error_state.h"
#include "runtime/environment/item_list.h"
#include "runtime/locale/case_tables.h"
#include "runtime/locale/collation.h"
#include "runtime/locale/locale.h"

namespace qor::rt {
namespace {

enum class Setting { kCharset, kCollation, kCase, kMonthNames, kMonthAbbreviations, kAmPm, kDigraphs,
                     kButtons, kLongFileNames, kMessage, kUnknown };

struct NamedSetting {
  const char* name;
  Setting setting;
};
constexpr NamedSetting kSettings[] = {
    {"QORCHARSET", Setting::kCharset}, {"QORCOLSEQ", Setting::kCollation}, {"QORCASE", Setting::kCase},
    {"QORMONTH", Setting::kMonthNames}, {"QORMON", Setting::kMonthAbbreviations}, {"QORAMPM", Setting::kAmPm},
    {"QORDIGRAPH", Setting::kDigraphs}, {"QORBUTTON", Setting::kButtons}, {"QORLFN", Setting::kLongFileNames}};
constexpr std::string_view kMessagePrefix = "QORMSG";
constexpr int32_t kLargestMessageNumber = 99999999;

// The setting a name stands for; `message` receives the number after QORMSG.
Setting Classify(std::string_view upperName, int32_t& message) {
  for (const NamedSetting& s : kSettings)
    if (upperName == s.name) return s.setting;
  if (!upperName.starts_with(kMessagePrefix) || upperName.size() == kMessagePrefix.size()) return Setting::kUnknown;
  message = 0;
  for (char c : upperName.substr(kMessagePrefix.size())) {
    if (c < '0' || c > '9' || message > kLargestMessageNumber / 10) return Setting::kUnknown;
    message = message * 10 + (c - '0');
  }
  return Setting::kMessage;
}

std::string Item(const std::string& list, int n) { return ListItem(list, n).value_or(""); }

bool SaysWindows(std::string_view text) { return UpperText(text) == "WINDOWS"; }

void ReplaceNames(std::array<std::string, 12>& names, const std::string& list, size_t limit) {
  for (int m = 0; m < 12; ++m) {
    std::optional<std::string> item = ListItem(list, m);
    if (!item) break;
    names[m] = item->substr(0, limit);
  }
}

void SetAmPm(const std::string& list) {
  Locale& locale = CurrentLocale();
  if (SaysWindows(Item(list, 0))) {
    locale.am = locale.platformAm;
    locale.pm = locale.platformPm;
    return;
  }
  if (std::optional<std::string> am = ListItem(list, 0)) locale.am = am->substr(0, kAmPmLimit);
  if (std::optional<std::string> pm = ListItem(list, 1)) locale.pm = pm->substr(0, kAmPmLimit);
}

void SetCase(std::string_view value, const std::string& list) {
  if (value.empty()) {
    CurrentLocale().caseTables = DefaultCaseTables();
    return;
  }
  SetCasePairs(Item(list, 0).substr(0, kCaseListLimit), Item(list, 1).substr(0, kCaseListLimit));
}

void SetDigraphList(const std::string& list) {
  std::string groups;
  for (int n = 0;; ++n) {
    std::optional<std::string> item = ListItem(list, n);
    if (!item) break;
    groups += item->substr(0, item->size() - item->size() % 3);
  }
  SetDigraphs(groups);
}

void SetButtons(const std::string& list) {
  for (int n = 0;; ++n) {
    std::optional<std::string> item = ListItem(list, n);
    if (!item) break;
    SetMessageOverride(kFirstButtonMessage + n, *item);
  }
}

}  // namespace

void EnvironmentReader::Apply(std::string_view rawName, std::string_view rawValue) {
  std::string name = UpperText(rawName);
  int32_t message = 0;
  Setting setting = Classify(name, message);
  if (setting == Setting::kUnknown) return;
  std::string value(rawValue);
  if (oem_ && setting != Setting::kCollation)
    for (char& c : value) c = static_cast<char>(os::OemToAnsi(static_cast<uint8_t>(c)));
  bool commasSeparate = setting != Setting::kCollation && setting != Setting::kMessage;
  std::string list = QuotedList(value, commasSeparate);
  switch (setting) {
    case Setting::kCharset: oem_ = UpperText(Item(list, 0)) == "OEM"; break;
    case Setting::kCollation: SetCollationSequence(Item(list, 0), oem_); break;
    case Setting::kCase: SetCase(value, list); break;
    case Setting::kMonthNames: ReplaceNames(CurrentLocale().monthNames, list, kMonthNameLimit); break;
    case Setting::kMonthAbbreviations:
      ReplaceNames(CurrentLocale().monthAbbreviations, list, kMonthAbbreviationLength);
      break;
    case Setting::kAmPm: SetAmPm(list); break;
    case Setting::kDigraphs: SetDigraphList(list); break;
    case Setting::kButtons: SetButtons(list); break;
    case Setting::kLongFileNames: CurrentLocale().longFileNames = UpperText(Item(list, 0)) == "ON"; break;
    case Setting::kMessage: SetMessageOverride(message, Item(list, 0)); break;
    case Setting::kUnknown: break;
  }
  if (observer_) observer_(setting == Setting::kMessage ? "QORMSG" + std::to_string(message) : name, value);
}

void ApplyPlatformEnvironment(const EnvironmentObserver& observer) {
  SetCollationSequence("WINDOWS", false);
  SetCasePairs("WINDOWS", "WINDOWS");
  SetAmPm(QuotedList("WINDOWS"));
  if (observer)
    for (const char* name : {"QORCOLSEQ", "QORCASE", "QORAMPM"}) observer(name, "WINDOWS");
}

}  // namespace qor::rt
