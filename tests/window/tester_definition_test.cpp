// The tester's stored window definition, as the program carries it, decoded and checked
// against its readable source and against the window it must describe.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "resources/windows/window_definitions.h"
#include "tools/windefc/source_parser.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/load_window_definition.h"

namespace qor::win {
namespace {

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(QOR_SOURCE_DIR) + "/resources/windows/" + name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class StoredDefinitions : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { res::RegisterWindowDefinitions(os::ExecutableModule()); }
  void SetUp() override { ResetWindowDefinitions(); }

  WindowRecord Load(const std::string& qualifiedName, const std::string& label) {
    uint32_t at = LoadWindowDefinition(qualifiedName, label);
    EXPECT_NE(at, 0u) << qualifiedName << " " << label;
    return at ? DecodeWindow(CurrentDefinition(), at) : WindowRecord{};
  }
};

TEST_F(StoredDefinitions, EachMatchesItsSource) {
  const std::pair<const char*, const char*> kSources[] = {
      {"kzt_a001.win", "P1$WINDOW"}, {"qfeip.win", "$MULTIWINDOW"},
      {"qfpopup.win", "$POPUPWINDOW"}, {"qfquery.win", "$QUERYWINDOW"}};
  for (const auto& [file, label] : kSources) {
    SCOPED_TRACE(file);
    auto parsed = tool::windefc::ParseDefinitionSource(ReadSource(file));
    ASSERT_TRUE(parsed.definition.has_value()) << parsed.errorLine << ": " << parsed.error;
    ASSERT_EQ(parsed.definition->windows.size(), 1u);
    EXPECT_EQ(Load(parsed.definition->qualifiedName, label), parsed.definition->windows[0]);
    EXPECT_EQ(CurrentResourceModule(), os::ExecutableModule());
  }
}

TEST_F(StoredDefinitions, TesterWindowRecord) {
  WindowRecord window = Load("kzt_asm$KZT_A001", "P1$WINDOW");
  EXPECT_EQ(window.flags, 0x800u);
  EXPECT_EQ(window.at.x, layout::kNotGiven);
  EXPECT_EQ(window.at.y, layout::kNotGiven);
  EXPECT_EQ(window.at.width, 531);
  EXPECT_EQ(window.at.height, 295);
  ASSERT_TRUE(window.font.has_value());
  EXPECT_EQ(window.font->face, "Arial");
  EXPECT_EQ(window.font->points, 8);
  EXPECT_EQ(window.timer, 500u);
  EXPECT_EQ(window.flags2, 0x3040u);
  EXPECT_TRUE(window.title.ends_with("'s Assembly Language Procedure and Function Tester!"));
  EXPECT_EQ(LoadWindowDefinition("kzt_asm$KZT_A001", "P2$WINDOW"), 0u);
  EXPECT_EQ(LoadWindowDefinition("other$KZT_A001", "P1$WINDOW"), 0u);
}

// Every control of a window, group children right after their group: creation order.
void Flatten(const std::vector<ControlRecord>& controls, std::vector<const ControlRecord*>& out) {
  for (const ControlRecord& control : controls) {
    out.push_back(&control);
    Flatten(control.children, out);
  }
}

TEST_F(StoredDefinitions, TesterBindsItsVariablesInOrder) {
  WindowRecord window = Load("kzt_asm$KZT_A001", "P1$WINDOW");
  std::vector<const ControlRecord*> controls;
  Flatten(window.controls, controls);
  std::vector<int32_t> bound;
  std::vector<UseDescriptor> uses;
  for (const ControlRecord* control : controls)
    if (control->use) bound.push_back(control->number), uses.push_back(*control->use);
  // V1:U, V1:L, V1:B1..B4, V1:H, V1:B; V2; V3; ButtonDelay, ButtonRepeat, G1S, G1, SH1, G2, G2S, GL
  const std::vector<int32_t> kOrder = {10, 11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27, 28,
                                       54, 55, 56, 57, 58, 59, 60, 61, 64, 66, 92, 94, 95, 97, 100, 103};
  EXPECT_EQ(bound, kOrder);
  const UseDescriptor kRow[] = {{7, 4}, {6, 4}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {18, 11}, {18, 39}};
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 8; ++i) EXPECT_EQ(uses[row * 8 + i], kRow[i]) << bound[row * 8 + i];
  const UseDescriptor kRest[] = {{6, 4}, {6, 4}, {6, 4}, {18, 90}, {18, 1}, {18, 90}, {6, 4}, {6, 4}};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(uses[24 + i], kRest[i]) << bound[24 + i];
  EXPECT_EQ(controls.size(), 121u);
}

const ControlRecord* Find(const WindowRecord& window, int32_t number) {
  std::vector<const ControlRecord*> controls;
  Flatten(window.controls, controls);
  for (const ControlRecord* control : controls)
    if (control->number == number) return control;
  return nullptr;
}

TEST_F(StoredDefinitions, TesterControlsAsTheWindowShowsThem) {
  WindowRecord window = Load("kzt_asm$KZT_A001", "P1$WINDOW");
  const ControlRecord* range = Find(window, 62);
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(range->type, layout::kTypePrompt);
  EXPECT_EQ(range->at, (Placement{87, 81, 437, 18}));
  EXPECT_EQ(range->font->style, 700);
  EXPECT_NE(range->text.find("significant bit.   To ROTATE"), std::string::npos);

  const ControlRecord* heading = Find(window, 1);
  EXPECT_EQ(heading->text, "Hihgest BYTE to lowest BYTE");
  EXPECT_EQ(heading->at, (Placement{206, 13, layout::kNotGiven, layout::kNotGiven}));

  const ControlRecord* bts = Find(window, 67);
  EXPECT_EQ(bts->type, layout::kTypeButton);
  EXPECT_EQ(bts->text, "V3 = BTS ( V1 , V2 )");
  EXPECT_EQ(bts->help, "Test the V2 bit of V1 and put the result in V3 ( 1 = Set it, 0 = Didn't set it ) "
                       "then, if not already set,  set the V2 bit of V1.");
  EXPECT_EQ(bts->flags, 0u);
  EXPECT_EQ(bts->repeatDelay, 0);
  EXPECT_EQ(bts->repeatInterval, 0);
  EXPECT_EQ(Find(window, 105)->text, "GROL  ( G1 , 90 )");

  const ControlRecord* number = Find(window, 40);
  EXPECT_EQ(number->text, "15");
  EXPECT_EQ(number->flags, 0x4000u);
  EXPECT_TRUE(number->help.empty());
  EXPECT_EQ(Find(window, 30)->children.size(), 20u);

  const ControlRecord* value = Find(window, 10);
  EXPECT_EQ(value->type, layout::kTypeSpin);
  EXPECT_EQ(value->picture, "n_10");
  EXPECT_EQ(value->low, -9999999999.0);
  EXPECT_EQ(value->high, 9999999999.0);
  EXPECT_EQ(value->numeric, 1u);
  EXPECT_EQ(Find(window, 16)->flags, 0x24u);
  EXPECT_EQ(Find(window, 61)->flags, 0x04u);
  EXPECT_EQ(Find(window, 95)->flags, 0x10u);
  EXPECT_EQ(Find(window, 95)->numeric, 0u);
  EXPECT_EQ(Find(window, 94)->font, (FontRecord{"Courier New", 0, layout::kDefaultColour, layout::kDefaultStyle}));
  EXPECT_EQ(Find(window, 66)->high, 500.0);

  const ControlRecord* procedures = Find(window, 116);
  EXPECT_EQ(procedures->type, layout::kTypeString);
  EXPECT_EQ(procedures->angle, 900);
  EXPECT_EQ(procedures->font, (FontRecord{"", 10, 0x00FFFFFF, 700}));
  const ControlRecord* credit = Find(window, 88);
  EXPECT_EQ(credit->font, (FontRecord{"", 11, 0x00FF0000, 700}));
  EXPECT_EQ(credit->at, (Placement{-7, 83, 25, 90}));
}

TEST_F(StoredDefinitions, BuiltInWindows) {
  WindowRecord picker = Load("QFEIP", "$MULTIWINDOW");
  std::vector<const ControlRecord*> controls;
  Flatten(picker.controls, controls);
  std::set<uint8_t> kinds;
  for (const ControlRecord* control : controls) kinds.insert(control->type);
  EXPECT_EQ(kinds, (std::set<uint8_t>{8, 9, 12, 13, 14, 33, 34, 39}));

  WindowRecord query = Load("QFQUERY", "$QUERYWINDOW");
  EXPECT_NE(Find(query, 1000), nullptr);
  EXPECT_NE(Find(query, 1001), nullptr);
  EXPECT_NE(LoadWindowDefinition("QFPOPUP", "$POPUPWINDOW"), 0u);
}

}  // namespace
}  // namespace qor::win
