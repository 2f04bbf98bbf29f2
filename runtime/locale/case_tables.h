#pragma once
// UPPER, LOWER and the character tests, through the locale's case tables.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/locale/locale.h"

namespace qor::rt {

CaseTables DefaultCaseTables();

uint8_t UpperChar(uint8_t c);
uint8_t LowerChar(uint8_t c);
bool IsUpperChar(uint8_t c);
bool IsAlphaChar(uint8_t c);
std::string UpperText(std::string_view text);
std::string LowerText(std::string_view text);

// The QORCASE setting: letters above 127 are paired from two equally long lists;
// "WINDOWS", an empty list or lists of different length take the platform's letters.
void SetCasePairs(std::string_view upper, std::string_view lower);
// The platform's letters above 127 and their lower-case partners, as two lists.
void PlatformCasePairs(std::string& upper, std::string& lower);

}  // namespace qor::rt
