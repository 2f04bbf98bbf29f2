#pragma once
// The platform's rules for the characters of the ANSI set (code page 1252): which
// are letters, their case partners and their sort order, as the user's locale
// (LC_ALL, LC_CTYPE / LC_COLLATE, LANG) says. The runtime asks for these when an
// installation chooses "WINDOWS" case or collation.
#include <cstdint>

#include <locale.h>

namespace qor::os {

class PlatformText {
 public:
  PlatformText();  // the user's locale; the C locale when it is unknown
  ~PlatformText();
  PlatformText(const PlatformText&) = delete;
  PlatformText& operator=(const PlatformText&) = delete;

  bool IsAlpha(uint8_t ansi) const;
  bool IsUpper(uint8_t ansi) const;
  // The lower-case partner within the ANSI set, or the character itself.
  uint8_t ToLower(uint8_t ansi) const;
  uint8_t ToUpper(uint8_t ansi) const;
  // Sign of the locale's comparison of two one-character strings.
  int Compare(uint8_t a, uint8_t b) const;

 private:
  locale_t locale_;
};

}  // namespace qor::os
