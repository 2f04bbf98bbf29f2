// The tester's stored window, opened headless with the runtime's control kinds, read
// back through properties: what its procedure asks of it (control types, parents, texts, the range text's colour, the
// timer) and the button timing pass it runs at open.
#include <gtest/gtest.h>

#include <map>

#include "resources/windows/window_definitions.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/accept/field_updates.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/decode.h"
#include "window/definition/layout.h"
#include "window/events/event_queries.h"
#include "window/load_window_definition.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/property_calls.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using namespace layout;

class TesterWindowProperties : public WindowRuntimeTest {
 protected:
  static void SetUpTestSuite() { res::RegisterWindowDefinitions(os::ExecutableModule()); }

  void SetUp() override {
    WindowRuntimeTest::SetUp();
    RegisterStandardControlKinds();  // over the stand-ins, for the kinds built so far
    uint32_t at = LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW");
    ASSERT_NE(at, 0u);
    WindowRecord record = DecodeWindow(CurrentDefinition(), at);
    window = Prepare("kzt_asm$KZT_A001", "P1$WINDOW", VariablesFor(record));
    OpenWindow(window);
  }

  int64_t Read(int32_t control, int32_t number) { return ReadPropertyInteger(*window, control, number); }

  Window* window = nullptr;
};

// The kind of every control number, from the window's description.
std::map<int32_t, int64_t> ExpectedTypes() {
  std::map<int32_t, int64_t> types;
  auto mark = [&](std::initializer_list<int32_t> numbers, uint8_t type) {
    for (int32_t number : numbers) types[number] = type;
  };
  mark({1, 2, 3, 4, 5, 8, 9, 20, 53, 29, 62, 63, 65, 89, 93, 96, 91, 99, 102, 107}, kTypePrompt);
  mark({87, 88, 114, 115, 116}, kTypeString);
  mark({11, 12, 13, 14, 15, 16, 17, 22, 23, 24, 25, 26, 27, 28, 55, 56, 57, 58, 59, 60, 61, 94, 95, 97},
       kTypeEntry);
  mark({10, 21, 54, 64, 66, 92, 100, 103}, kTypeSpin);
  mark({30}, kTypeGroup);
  mark({6, 7, 18, 19, 51, 52, 72, 73, 74, 75, 76, 77}, kTypeButton);
  for (int32_t number = 31; number <= 50; ++number) types[number] = kTypeButton;
  mark({67, 68, 69, 70, 71, 78, 79, 80, 81, 82, 83, 84, 85, 86, 90, 98, 101, 104, 105, 106, 108, 109, 110, 111, 112,
        113, 117, 118, 119, 120, 121},
       kTypeButton);
  return types;
}

TEST_F(TesterWindowProperties, EveryControlReadsItsKindAndTheNumberButtonsTheirGroup) {
  EXPECT_EQ(FirstFieldNumber(), 1);
  EXPECT_EQ(LastFieldNumber(), 121);
  std::map<int32_t, int64_t> types = ExpectedTypes();
  EXPECT_EQ(types.size(), 121u);
  for (int32_t number = 1; number <= 121; ++number) EXPECT_EQ(Read(number, prop::kType), types[number]) << number;
  for (int32_t number = 31; number <= 50; ++number) EXPECT_EQ(Read(number, prop::kParent), 30) << number;
  EXPECT_EQ(Read(67, prop::kParent), 0);
  EXPECT_EQ(ReadPropertyText(*window, 40, prop::kText), "15");
  EXPECT_EQ(ReadPropertyInteger(*window, 40, prop::kText), 15);  // as HandleEvent converts it
  EXPECT_EQ(ReadPropertyText(*window, 122, prop::kType), "");
  // Entries and spin boxes read what their fields show: the variables start at zero.
  DisplayFields();
  for (int32_t number : {10, 11, 12, 64, 92}) EXPECT_EQ(ReadPropertyText(*window, number, prop::kText), "0") << number;
}

TEST_F(TesterWindowProperties, FontsTimerAndFlagsAsStored) {
  EXPECT_EQ(Read(0, prop::kTimer), 500);
  EXPECT_EQ(ReadPropertyText(*window, 0, prop::kFontFace), "Arial");
  EXPECT_EQ(Read(0, prop::kFontSize), 8);
  EXPECT_EQ(Read(62, prop::kFontColour), -1);  // the default until the first flash
  EXPECT_EQ(ReadPropertyText(*window, 94, prop::kFontFace), "Courier New");
  EXPECT_EQ(Read(107, prop::kFontSize), 72);
  EXPECT_EQ(Read(107, prop::kFontColour), 0xFFFFFF);
  EXPECT_EQ(Read(16, prop::kSkip), 1);  // hexadecimal views of V1 and V2 are out of the tab order
  EXPECT_EQ(Read(60, prop::kSkip), 0);
  EXPECT_EQ(Read(60, prop::kLeft), 1);
  EXPECT_EQ(Read(95, prop::kCentred), 1);  // 10h
  for (int32_t number : {67, 71, 98, 121, 6, 40}) EXPECT_EQ(Read(number, prop::kImmediate), 0) << number;
}

TEST_F(TesterWindowProperties, TheTimingPassMakesEveryButtonImmediateWithTheSameTiming) {
  std::map<int32_t, int64_t> types = ExpectedTypes();
  // As the tester does at open with ButtonDelay 20 and ButtonRepeat 10.
  for (int32_t number = FirstFieldNumber(); number <= LastFieldNumber(); ++number) {
    if (Read(number, prop::kType) != kTypeButton) continue;
    EXPECT_EQ(WriteProperty(*window, number, prop::kImmediate, 1), PropertyResult::kDone);
    EXPECT_EQ(WriteProperty(*window, number, prop::kRepeatDelay, 20), PropertyResult::kDone);
    EXPECT_EQ(WriteProperty(*window, number, prop::kRepeatInterval, 10), PropertyResult::kDone);
  }
  for (const auto& [number, type] : types) {
    bool button = type == kTypeButton;
    EXPECT_EQ(Read(number, prop::kImmediate), button ? 1 : 0) << number;
    EXPECT_EQ(ReadPropertyText(*window, number, prop::kRepeatDelay), button ? "20" : "") << number;
    EXPECT_EQ(ReadPropertyText(*window, number, prop::kRepeatInterval), button ? "10" : "") << number;
  }
  // The flash: red, black, and the timer through 75 and 25 back to 500.
  EXPECT_EQ(WriteProperty(*window, 62, prop::kFontColour, 0xFF), PropertyResult::kDone);
  EXPECT_EQ(Read(62, prop::kFontColour), 0xFF);
  EXPECT_EQ(WriteProperty(*window, 62, prop::kFontColour, 0), PropertyResult::kDone);
  EXPECT_EQ(Read(62, prop::kFontColour), 0);
  for (int64_t hundredths : {75, 25, 500}) EXPECT_EQ(WriteProperty(*window, 0, prop::kTimer, hundredths), PropertyResult::kDone);
  EXPECT_EQ(Read(0, prop::kTimer), 500);
}

}  // namespace
}  // namespace qor::win::testing
