// The table of property names: every name stands for a property the runtime answers,
// once, and reads back as its own number.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "window/properties/property_names.h"
#include "window/properties/property_table.h"

namespace qor::win {
namespace {

TEST(PropertyNames, EveryNameIsUpperCaseUniqueAndStandsForAKnownPropertyOfItsOwn) {
  std::set<std::string> names;
  std::set<int32_t> numbers;
  for (const PropertyName& entry : AllPropertyNames()) {
    EXPECT_NE(FindProperty(entry.number), nullptr) << entry.name;
    EXPECT_TRUE(names.emplace(entry.name).second) << entry.name;
    EXPECT_TRUE(numbers.insert(entry.number).second) << entry.name;
    for (char c : entry.name) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << entry.name;
    EXPECT_EQ(PropertyNumberOfName(entry.name), entry.number);
  }
  // Every property the runtime answers has a name, but for 0x7CBA, which reads what
  // TEXT reads.
  EXPECT_EQ(numbers.size() + 1, AllProperties().size());
}

TEST(PropertyNames, CaseAndSurroundingBlanksDoNotMatterAnythingElseNamesNone) {
  EXPECT_EQ(PropertyNumberOfName(" imm "), 0x7C6A);
  EXPECT_EQ(PropertyNumberOfName("Timer"), 0x7C86);
  EXPECT_EQ(PropertyNumberOfName("xPos"), 0x7C02);
  for (const char* none : {"", "   ", "IM", "IMMEDIATE", "X POS", "TEXT\t", "31744"}) {
    EXPECT_EQ(PropertyNumberOfName(none), 0) << none;
  }
}

}  // namespace
}  // namespace qor::win
