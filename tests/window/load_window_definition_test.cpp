#include "window/load_window_definition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/definition/decode.h"
#include "window/definition/encode.h"
#include "window/definition/layout.h"

namespace qor::win {
namespace {

// Resource bytes live as long as the process, as resources do.
std::span<const uint8_t> Keep(std::vector<uint8_t> bytes) {
  static std::vector<std::vector<uint8_t>> kept;
  kept.push_back(std::move(bytes));
  return kept.back();
}

std::span<const uint8_t> Image(const std::string& qualifiedName, const std::string& label,
                               const std::string& title) {
  WindowRecord window;
  window.label = label;
  window.title = title;
  return Keep(EncodeDefinition({qualifiedName, {window}}));
}

void Add(os::ModuleHandle module, const std::string& resourceName, std::span<const uint8_t> bytes) {
  os::AddResource(module, layout::kResourceType, std::string_view(resourceName), bytes);
}

std::string LoadedTitle(uint32_t at) {
  return DecodeWindow(CurrentDefinition(), at).title;
}

class Loader : public ::testing::Test {
 protected:
  void SetUp() override { ResetWindowDefinitions(); }
};

TEST_F(Loader, QualifiedNameLooksUpTheProcedurePartWithSuffix) {
  os::ModuleHandle module = os::CreateModule("loader-qualified");
  Add(module, "PROC1_RSC", Image("mod$PROC1", "P1$WINDOW", "found"));
  uint32_t at = LoadWindowDefinition("mod$PROC1", "P1$WINDOW");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "found");
  EXPECT_EQ(CurrentResourceModule(), module);
}

TEST_F(Loader, BareNameLooksUpTheWholeNameWithSuffix) {
  os::ModuleHandle module = os::CreateModule("loader-bare");
  Add(module, "QFBARE_RSC", Image("QFBARE", "$MULTIWINDOW", "bare"));
  uint32_t at = LoadWindowDefinition("QFBARE", "$MULTIWINDOW");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "bare");
}

TEST_F(Loader, ResourceOfAnotherQualifiedNameIsSkipped) {
  os::ModuleHandle other = os::CreateModule("loader-other-program");
  os::ModuleHandle right = os::CreateModule("loader-right-program");
  Add(other, "SAME_RSC", Image("elsewhere$SAME", "W", "wrong"));
  Add(right, "SAME_RSC", Image("here$SAME", "W", "right"));
  uint32_t at = LoadWindowDefinition("here$SAME", "W");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "right");
  EXPECT_EQ(CurrentResourceModule(), right);
  EXPECT_EQ(LoadWindowDefinition("nowhere$SAME", "W"), 0u);
}

TEST_F(Loader, MissingDefinitionOrLabelGivesZeroAndKeepsThePreviousBuffer) {
  os::ModuleHandle module = os::CreateModule("loader-missing");
  Add(module, "KEEP_RSC", Image("m$KEEP", "W", "kept"));
  uint32_t at = LoadWindowDefinition("m$KEEP", "W");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadWindowDefinition("m$KEEP", "NOSUCH$WINDOW"), 0u);
  EXPECT_EQ(LoadWindowDefinition("m$ABSENT", "W"), 0u);
  EXPECT_EQ(CurrentResourceModule(), module);
  EXPECT_EQ(LoadedTitle(at), "kept");
}

TEST_F(Loader, MalformedImageIsTreatedAsAbsent) {
  os::ModuleHandle broken = os::CreateModule("loader-broken");
  os::ModuleHandle sound = os::CreateModule("loader-sound");
  std::span<const uint8_t> good = Image("m$MAYBE", "W", "sound");
  // The same image with the window's next field pointing back at the window.
  std::vector<uint8_t> looping(good.begin(), good.end());
  DefinitionBuffer buffer = DefinitionBuffer::WithBody(good.subspan(sizeof "m$MAYBE"));
  uint32_t window = buffer.FirstRecord();
  size_t nextAt = sizeof "m$MAYBE" + window - layout::kBodyStart + layout::kNext;
  for (int i = 0; i < 4; ++i) looping[nextAt + i] = static_cast<uint8_t>(window >> (8 * i));
  Add(broken, "MAYBE_RSC", Keep(looping));
  EXPECT_EQ(LoadWindowDefinition("m$MAYBE", "W"), 0u);
  EXPECT_EQ(CurrentResourceModule(), nullptr);
  EXPECT_TRUE(CurrentDefinition().Empty());

  Add(sound, "MAYBE_RSC", good);
  uint32_t at = LoadWindowDefinition("m$MAYBE", "W");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "sound");
  EXPECT_EQ(CurrentResourceModule(), sound);
}

TEST_F(Loader, ResourceWithoutItsNameTerminatorIsAbsent) {
  os::ModuleHandle module = os::CreateModule("loader-no-nul");
  static const uint8_t kNoNul[] = {'m', '$', 'N', 'O', 'N', 'U', 'L'};
  Add(module, "NONUL_RSC", kNoNul);
  EXPECT_EQ(LoadWindowDefinition("m$NONUL", "W"), 0u);
}

TEST_F(Loader, ModuleOfTheLastLoadIsSearchedFirst) {
  os::ModuleHandle early = os::CreateModule("loader-early");
  os::ModuleHandle late = os::CreateModule("loader-late");
  WindowRecord shared;
  shared.label = "SHARED";
  shared.title = "early";
  Add(early, "REM_RSC", Keep(EncodeDefinition({"m$REM", {shared}})));
  WindowRecord onlyLate;
  onlyLate.label = "ONLYLATE";
  shared.title = "late";
  Add(late, "REM_RSC", Keep(EncodeDefinition({"m$REM", {shared, onlyLate}})));

  uint32_t at = LoadWindowDefinition("m$REM", "SHARED");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "early");  // creation order while nothing is remembered
  ASSERT_NE(LoadWindowDefinition("m$REM", "ONLYLATE"), 0u);
  EXPECT_EQ(CurrentResourceModule(), late);
  at = LoadWindowDefinition("m$REM", "SHARED");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "late");  // the remembered module comes first now
}

TEST_F(Loader, EachLoadReplacesTheBuffer) {
  os::ModuleHandle module = os::CreateModule("loader-replace");
  Add(module, "ONE_RSC", Image("m$ONE", "W", "one"));
  Add(module, "TWO_RSC", Image("m$TWO", "W", "two"));
  ASSERT_NE(LoadWindowDefinition("m$ONE", "W"), 0u);
  uint32_t at = LoadWindowDefinition("m$TWO", "W");
  ASSERT_NE(at, 0u);
  EXPECT_EQ(LoadedTitle(at), "two");
  EXPECT_EQ(CurrentDefinition().U8(0), 0);
}

}  // namespace
}  // namespace qor::win
