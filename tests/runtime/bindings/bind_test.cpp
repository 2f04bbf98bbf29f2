// BIND: rebinding in another case, the cutting rule, value classes, built-in names,
// the tree's shape, and names that collate equal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/locale/collation.h"
#include "runtime/values/value_stack.h"
#include "tests/runtime/bindings/binding_fixture.h"

namespace qor::rt::testing {
namespace {

constexpr size_t kSeededRecords = 1 + 46 + 4;  // marker, functions, operators

class BindTest : public BindingTest {};

TEST_F(BindTest, RebindingInAnotherCaseReplacesTheRecordAndReleasesTheOldReference) {
  int32_t first = 0, second = 0;
  BindName("Total", LongRef(&first));
  size_t afterFirst = BlocksInUse();
  EXPECT_EQ(InspectBindings().records, kSeededRecords + 1);

  BindName("TOTAL", LongRef(&second));
  EXPECT_EQ(InspectBindings().records, kSeededRecords + 1);
  EXPECT_EQ(BlocksInUse(), afterFirst) << "the first reference must be released";
  ASSERT_NE(Bound("total"), nullptr);
  EXPECT_EQ(Bound("total")->address, &second);
}

TEST_F(BindTest, NameIsPoppedFromTheValueStackAndCutAfterItsRun) {
  int32_t v = 0;
  StrPushCopy("PRE:NAME$ and more", 18);
  Bind(LongRef(&v));
  EXPECT_EQ(StrCount(), 0);
  EXPECT_NE(Bound("pre:name$"), nullptr);
  EXPECT_EQ(Bound("PRE:NAME"), nullptr);
}

TEST_F(BindTest, CuttingRule) {
  EXPECT_EQ(CutBindingName("PRE:NAME$ more"), "PRE:NAME$");
  EXPECT_EQ(CutBindingName("Count#2"), "Count#");
  EXPECT_EQ(CutBindingName("q\"uoted"), "q\"");
  EXPECT_EQ(CutBindingName("A_b:9+1"), "A_b:9");
  EXPECT_EQ(CutBindingName("AB$$"), "AB$");
  EXPECT_EQ(CutBindingName(" lead"), "");
  EXPECT_EQ(CutBindingName(std::string(120, 'X')), std::string(99, 'X'));
  EXPECT_EQ(CutBindingName(std::string(99, 'X') + "$"), std::string(99, 'X'));
}

TEST_F(BindTest, EmptyNameOrNullReferenceBindsNothingAndLeaksNothing) {
  int32_t v = 0;
  size_t before = BlocksInUse();
  BindName(" x", LongRef(&v));
  BindName("", LongRef(&v));
  BindName("y", nullptr);
  EXPECT_EQ(BlocksInUse(), before);
  EXPECT_EQ(InspectBindings().records, 0u) << "nothing bound, so no tree";
}

TEST_F(BindTest, ValueClassComesFromTheTypeCode) {
  EXPECT_EQ(ValueClassOfType(kTypeByte), kClassInteger);
  EXPECT_EQ(ValueClassOfType(kTypeLong), kClassInteger);
  EXPECT_EQ(ValueClassOfType(kTypeUlong), kClassReal);
  EXPECT_EQ(ValueClassOfType(kTypeDecimal), kClassReal);
  EXPECT_EQ(ValueClassOfType(17), kClassReal);
  EXPECT_EQ(ValueClassOfType(kTypeString), kClassString);
  EXPECT_EQ(ValueClassOfType(kTypeCString), kClassString);

  char text[8];
  uint32_t u = 0;
  BindName("T", RefOfType(text, kTypeString, 8));
  BindName("U", RefOfType(&u, kTypeUlong, 4));
  EXPECT_EQ(LookUpName("t").valueClass, kClassString);
  EXPECT_EQ(LookUpName("u").valueClass, kClassReal);
  EXPECT_EQ(LookUpName("u").kind, kNameVariable);
}

TEST_F(BindTest, BuiltInNamesAreFoundWithOrWithoutATree) {
  auto check = [] {
    BoundName sqrt = LookUpName("sqrt");
    EXPECT_EQ(sqrt.kind, kNameFunction);
    EXPECT_EQ(sqrt.code, 24);
    EXPECT_EQ(sqrt.arguments, 1);
    EXPECT_EQ(sqrt.valueClass, kClassReal);
    EXPECT_EQ(LookUpName("Choose").arguments, kVariableArguments);
    EXPECT_EQ(LookUpName("INLIST").code, 43);
    BoundName xorOp = LookUpName("xor");
    EXPECT_EQ(xorOp.kind, kNameOperator);
    EXPECT_EQ(xorOp.code, 19);
    EXPECT_FALSE(LookUpName("MMMMMMM")) << "the root marker is no binding";
    EXPECT_FALSE(LookUpName("NOSUCH"));
  };
  check();
  int32_t v = 0;
  BindName("X", LongRef(&v));
  EXPECT_EQ(InspectBindings().records, kSeededRecords + 1);
  check();
}

TEST_F(BindTest, BindingABuiltInNameTakesItOverInThatScope) {
  int32_t v = 0;
  BindName("int", LongRef(&v));
  EXPECT_EQ(LookUpName("INT").kind, kNameVariable);
  EXPECT_EQ(InspectBindings().records, kSeededRecords);
  BindName("MMMMMMM", LongRef(&v));
  EXPECT_EQ(LookUpName("mmmmmmm").kind, kNameVariable);
}

std::vector<std::string> Names(int n) {
  std::vector<std::string> names;
  char buffer[16];
  for (int i = 0; i < n; ++i) {
    std::snprintf(buffer, sizeof buffer, "NAME%05d", i);
    names.push_back(buffer);
  }
  return names;
}

TEST_F(BindTest, NamesBoundInSortedOrderLeaveABalancedTree) {
  std::vector<int32_t> variables(2000);
  std::vector<std::string> names = Names(2000);
  for (size_t i = 0; i < names.size(); ++i) BindName(names[i], LongRef(&variables[i]));
  BindingCensus census = InspectBindings();
  EXPECT_EQ(census.records, kSeededRecords + 2000);
  EXPECT_LE(census.height, 16) << "2051 records; a list would be 2000 deep";
  for (size_t i = 0; i < names.size(); i += 97) EXPECT_EQ(Bound(names[i])->address, &variables[i]);
}

// A digraph makes "QA" collate as "KSA"; the two names still bind apart.
TEST_F(BindTest, NamesThatCollateEqualButDifferUpperCasedBindApart) {
  SetDigraphs("QKS");
  int32_t q = 0, ks = 0;
  BindName("qa", LongRef(&q));
  BindName("KSA", LongRef(&ks));
  EXPECT_EQ(InspectBindings().records, kSeededRecords + 2);
  EXPECT_EQ(Bound("QA")->address, &q);
  EXPECT_EQ(Bound("ksa")->address, &ks);
}

TEST_F(BindTest, NamesFollowTheCollationOrder) {
  // With a sequence that puts Z first, Z-names sort before A-names; lookups must agree.
  SetCollationSequence("ZYXWVUTSRQPONMLKJIHGFEDCBA", false);
  std::vector<int32_t> variables(26);
  for (int i = 0; i < 26; ++i) BindName(std::string(1, static_cast<char>('A' + i)) + "V", LongRef(&variables[i]));
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(Bound(std::string(1, static_cast<char>('a' + i)) + "v")->address, &variables[i]);
}

}  // namespace
}  // namespace qor::rt::testing
