// The tester's stored window with the runtime's kinds over its 32 variables laid out as
// the tester keeps them: where the focus starts, what the fields show, and views that follow a value
// typed into any of them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "os/module.h"
#include "resources/windows/window_definitions.h"
#include "tests/window/controls/entry_fixture.h"
#include "window/accept/field_updates.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/layout.h"
#include "window/events/event_queries.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

constexpr uint8_t kByte = 1, kLong = 6, kUlong = 7, kString = 18;

struct RegisterRecord {
  uint32_t u = 0;
  char h[11];
  char b[39];
};

struct TesterState {
  RegisterRecord v[3];
  int32_t buttonDelay = 20, buttonRepeat = 10, g1s = 1, g2s = 1, gl = 90;
  char g1[90], g2[90], sh1[1] = {'#'};
};

class TesterFields : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    res::RegisterWindowDefinitions(os::ExecutableModule());
    RegisterStandardControlKinds();
    for (RegisterRecord& v : s.v) {
      std::memset(v.h, ' ', sizeof v.h);
      std::memset(v.b, ' ', sizeof v.b);
    }
    for (int i = 0; i < 90; ++i) s.g1[i] = static_cast<char>('0' + (i + 1) % 10);
    std::memset(s.g2, 'x', sizeof s.g2);
    std::vector<UseVariable> uses;
    for (RegisterRecord& v : s.v) {
      auto* bytes = reinterpret_cast<uint8_t*>(&v.u);
      uses.insert(uses.end(), {{&v.u, kUlong, 4}, {&v.u, kLong, 4}, {bytes, kByte, 1}, {bytes + 1, kByte, 1},
                               {bytes + 2, kByte, 1}, {bytes + 3, kByte, 1}, {v.h, kString, 11}, {v.b, kString, 39}});
    }
    uses.insert(uses.end(), {{&s.buttonDelay, kLong, 4}, {&s.buttonRepeat, kLong, 4}, {&s.g1s, kLong, 4},
                             {s.g1, kString, 90}, {s.sh1, kString, 1}, {s.g2, kString, 90}, {&s.g2s, kLong, 4},
                             {&s.gl, kLong, 4}});
    window = Prepare("kzt_asm$KZT_A001", "P1$WINDOW", uses);
    OpenWindow(window);
    DisplayFields();
  }
  TesterState s;
};

TEST_F(TesterFields, TheFocusStartsOnButtonSixAndTheFieldsShowTheState) {
  EXPECT_EQ(FocusControl(), 6);
  EXPECT_EQ(EntryOf(94)->FieldText(), std::string(s.g1, 90));
  EXPECT_EQ(EntryOf(97)->FieldText(), std::string(90, 'x'));
  EXPECT_EQ(EntryOf(95)->FieldText(), "#");
  EXPECT_EQ(EntryOf(64)->FieldText(), "20");
  EXPECT_EQ(EntryOf(103)->FieldText(), "90");
  EXPECT_EQ(EntryOf(10)->FieldText(), "0");
  EXPECT_NE(SpinOf(10), nullptr);
  EXPECT_EQ(SpinOf(11), nullptr);
}

TEST_F(TesterFields, AValueTypedIntoOneViewReachesTheOthersBeforeTheNextWait) {
  Run({{10, [&] {
          ui::SetFocus(FieldOf(22));  // V2:L
          ui::SendMessage(FieldOf(22), ui::EM_SETSEL, 0, static_cast<ui::LParam>(-1));
          host.Type("-1");
        }},
       {20, [&] { host.Press(ui::VK_TAB); }}});
  EXPECT_EQ(After(), (Seq{"10 EVENT:Selected 22", "20 EVENT:Accepted 22", "20 EVENT:Selected 23"}));
  EXPECT_EQ(s.v[1].u, 0xFFFFFFFFu);
  EXPECT_EQ(EntryOf(21)->FieldText(), "4294967295");
  for (int32_t byte : {23, 24, 25, 26}) EXPECT_EQ(EntryOf(byte)->FieldText(), "255");
  EXPECT_EQ(EntryOf(23)->FieldText(), "255");
  EXPECT_EQ(s.v[0].u, 0u);
}

TEST_F(TesterFields, TheGroupLengthSpinStopsAtItsLimits) {
  Run({{10, [&] { ui::SetFocus(FieldOf(103)); }}, {20, [&] { host.Press(ui::VK_UP); }},
       {30, [&] { host.Press(ui::VK_DOWN); }}});
  EXPECT_EQ(After(), (Seq{"10 EVENT:Selected 103", "30 EVENT:NewSelection 103"}));
  EXPECT_EQ(s.gl, 89);
}

}  // namespace
}  // namespace qor::win::testing
