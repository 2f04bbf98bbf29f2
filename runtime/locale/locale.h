#pragma once
// The runtime's locale: month names, AM/PM texts, the platform's date and time
// conventions, case tables, collation tables and digraphs. It starts from built-in
// defaults, is adjusted once from the platform's "intl" profile and then from the
// environment file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "os/intl_profile.h"

namespace qor::rt {

inline constexpr size_t kMonthNameLimit = 12;
inline constexpr size_t kMonthAbbreviationLength = 3;
inline constexpr size_t kAmPmLimit = 2;
inline constexpr size_t kDigraphLimit = 16;

// Character classes of the case tables.
inline constexpr uint8_t kClassUpper = 1;
inline constexpr uint8_t kClassLower = 2;
inline constexpr uint8_t kClassDigit = 4;

struct CaseTables {
  std::array<uint8_t, 256> charClass{};
  std::array<uint8_t, 256> partner{};  // the other-case letter; 0 for a non-letter
};

// A character that sorts as two letters.
struct Digraph {
  uint8_t character = 0;
  uint8_t first = 0;
  uint8_t second = 0;
};

using CollationTable = std::array<uint8_t, 256>;  // character -> sort weight

struct Locale {
  std::array<std::string, 12> monthNames;
  std::array<std::string, 12> monthAbbreviations;
  std::string am;          // time pictures 3 and 6
  std::string pm;
  std::string platformAm;  // the locale time pictures 7 and 8
  std::string platformPm;
  os::IntlProfile intl;    // source of the locale pictures
  CaseTables caseTables;
  CollationTable ansiCollation{};
  CollationTable oemCollation{};
  std::vector<Digraph> digraphs;     // ANSI
  std::vector<Digraph> oemDigraphs;  // the same, converted to the OEM set
  bool longFileNames = false;
};

// The process's locale.
Locale& CurrentLocale();

// Puts every setting back to its built-in default.
void ResetLocale();

// Takes the platform's date and time conventions (read once at start-up).
void ApplyPlatformSettings(const os::IntlProfile& profile);

}  // namespace qor::rt
