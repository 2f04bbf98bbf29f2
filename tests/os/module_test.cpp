#include "os/module.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor::os {
namespace {

const uint8_t kFirst[] = {1, 2, 3};
const uint8_t kSecond[] = {9};

TEST(ModuleResources, FoundByNumberOrByNameWithoutRegardToCase) {
  ModuleHandle m = CreateModule("resources-test");
  AddResource(m, "DABDUMP", "Kzt_A001_RSC", kFirst);
  AddResource(m, kResourceString, 302, kSecond);

  auto byName = FindResource(m, "dabdump", "KZT_A001_RSC");
  ASSERT_TRUE(byName.has_value());
  EXPECT_EQ(byName->size(), 3u);
  auto byNumber = FindResource(m, kResourceString, 302);
  ASSERT_TRUE(byNumber.has_value());
  EXPECT_EQ((*byNumber)[0], 9);

  EXPECT_FALSE(FindResource(m, kResourceString, 303).has_value());
  EXPECT_FALSE(FindResource(m, "DABDUMP", "#302").has_value());  // a name is never a number
  EXPECT_FALSE(FindResource(ExecutableModule(), "DABDUMP", "KZT_A001_RSC").has_value());
}

TEST(ModuleResources, ListsNamesOfOneTypeInOrderAdded) {
  ModuleHandle m = CreateModule("list-test");
  AddResource(m, "DABDUMP", "B", kFirst);
  AddResource(m, "DABDUMP", "A", kFirst);
  AddResource(m, kResourceString, 1, kFirst);
  AddResource(m, "DABDUMP", "B", kSecond);  // replaces, keeps its place
  auto names = ResourceNames(m, "DABDUMP");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].ToString(), "B");
  EXPECT_EQ(names[1].ToString(), "A");
  EXPECT_EQ(FindResource(m, "DABDUMP", "B")->size(), 1u);
}

TEST(ModuleResources, ExecutablePathNamesThisTest) {
  EXPECT_NE(ExecutablePath().find("test_os"), std::string::npos);
}

TEST(ModuleResources, LoadedModulesStartWithTheProgramThenInCreationOrder) {
  ModuleHandle first = CreateModule("enumeration-first");
  ModuleHandle second = CreateModule("enumeration-second");
  std::vector<ModuleHandle> modules = LoadedModules();
  ASSERT_FALSE(modules.empty());
  EXPECT_EQ(modules.front(), ExecutableModule());
  auto firstAt = std::find(modules.begin(), modules.end(), first);
  auto secondAt = std::find(modules.begin(), modules.end(), second);
  ASSERT_NE(firstAt, modules.end());
  ASSERT_NE(secondAt, modules.end());
  EXPECT_LT(firstAt, secondAt);
  EXPECT_EQ(std::count(modules.begin(), modules.end(), ExecutableModule()), 1);
}

}  // namespace
}  // namespace qor::os
