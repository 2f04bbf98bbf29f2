// Preparing, opening, closing and releasing windows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <thread>

#include "resources/messages/error_messages.h"
#include "resources/windows/window_definitions.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/accept/accept.h"
#include "window/classes/window_class_name.h"
#include "window/controls/control_kinds.h"
#include "window/definition/decode.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/definition/layout.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/load_window_definition.h"
#include "window/set_up_window_runtime.h"
#include "runtime/startup/shutdown.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;
using WindowLife = WindowRuntimeTest;

class TesterWindow : public WindowRuntimeTest {
 protected:
  static void SetUpTestSuite() { res::RegisterWindowDefinitions(os::ExecutableModule()); }

  WindowRecord TesterRecord() {
    uint32_t at = LoadWindowDefinition("kzt_asm$KZT_A001", "P1$WINDOW");
    EXPECT_NE(at, 0u);
    return DecodeWindow(CurrentDefinition(), at);
  }
};

TEST_F(TesterWindow, OpensWithFieldsOneTo121AndBindsItsThirtyTwoVariablesInOrder) {
  WindowRecord record = TesterRecord();
  std::vector<UseVariable> uses = VariablesFor(record);
  ASSERT_EQ(uses.size(), 32u);
  std::vector<std::string> expected;
  std::vector<const void*> addresses;
  size_t next = 0;
  ForEachControlRecord(record, [&](const ControlRecord& control) {
    if (!control.use) return;
    expected.push_back("display " + std::to_string(control.number));
    addresses.push_back(uses[next++].address);
  });
  OpenWindow(Prepare("kzt_asm$KZT_A001", "P1$WINDOW", uses));
  EXPECT_EQ(FirstFieldNumber(), 1);
  EXPECT_EQ(LastFieldNumber(), 121);
  Loop([] { return kTurnLeave; });  // the first wait shows every variable
  EXPECT_EQ(StandInLog(), expected);
  EXPECT_EQ(DisplayedAddresses(), addresses);
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0"}));
}

TEST_F(WindowLife, TheDefinitionGivesTheClientSizeATitleACaptionAndTheOwnerIsTheActiveWindow) {
  Window* first = PrepareSmall(SmallWindow("SZ$WINDOW"));
  WindowRecord untitled = SmallWindow("UT$WINDOW");
  untitled.title.clear();
  untitled.at.x = untitled.at.y = layout::kNotGiven;
  Window* second = PrepareSmall(untitled);
  OpenWindow(first);
  OpenWindow(second);
  ui::Hwnd one = WindowHandle(first), two = WindowHandle(second);
  EXPECT_EQ(ui::GetWindowStyle(one) & (ui::WS_CAPTION | ui::WS_SYSMENU), ui::WS_CAPTION | ui::WS_SYSMENU);
  EXPECT_NE(ui::GetWindowStyle(two) & ui::WS_CAPTION, ui::WS_CAPTION);
  EXPECT_EQ(ui::GetWindowText(one), "Small");
  ui::Rect client = ui::GetClientRect(one);
  EXPECT_GT(client.Width(), 200);  // 200 by 60 dialog units
  EXPECT_GT(client.Height(), 60);
  EXPECT_EQ(ui::GetClientRect(two), client);
  EXPECT_EQ(ui::GetOwner(two), one);
  EXPECT_TRUE(ui::IsWindowVisible(one));
  EXPECT_EQ(ui::GetActiveWindow(), two);
}

TEST_F(WindowLife, EventsQueuedAtCloseAreFreedNeverDelivered) {
  Window* window = PrepareSmall(SmallWindow("FQ$WINDOW", {Entry(1)}));
  OpenWindow(window);
  PostEvent(event::Accepted, 1);
  PostEvent(event::Timer);
  CloseWindow(window);
  CloseWindow(window);  // closing a closed window does nothing
  OpenWindow(window);
  LoopFor(3);
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:GainFocus 0"}));  // then the quit of a starved loop
}

TEST_F(WindowLife, ClosingHandsTheThreadBackItsPreviousActiveWindow) {
  Window* first = PrepareSmall(SmallWindow("P1$WINDOW", {Entry(1)}));
  Window* second = PrepareSmall(SmallWindow("P2$WINDOW", {Entry(2)}));
  Window* third = PrepareSmall(SmallWindow("P3$WINDOW", {Entry(3)}));
  OpenWindow(first);
  OpenWindow(second);
  OpenWindow(third);
  CloseWindow(second);  // third's previous window is now first
  CloseWindow(third);
  EXPECT_EQ(ActiveWindow(), first);
  EXPECT_EQ(FirstFieldNumber(), 1);
  CloseWindow(first);
  EXPECT_EQ(ActiveWindow(), nullptr);
}

TEST_F(WindowLife, PostsThatNameNoWindowOrControlAreDropped) {
  Window* window = PrepareSmall(SmallWindow("PD$WINDOW", {Entry(5)}));
  PostEvent(event::Accepted);  // no window yet
  OpenWindow(window);
  PostEvent(0);
  PostEvent(event::Accepted, 6);        // no such control
  PostEvent(event::Accepted, 5, 65);    // no such thread
  PostEvent(event::Accepted, 5, 0x7FFFFFFF);
  PostEvent(event::Accepted, 5, 40);    // a free number
  PostEvent(0x10000);                   // beyond the codes a procedure may post
  PostEvent(event::NewSelection, 5, CurrentThread());
  LoopFor(3);
  EXPECT_EQ(events, (Seq{"0 EVENT:OpenWindow 0", "0 EVENT:NewSelection 5", "0 EVENT:GainFocus 0"}));
}

TEST_F(WindowLife, AnUnregisteredKindDoesNotShiftLaterBindings) {
  int32_t a = 0;
  uint8_t b = 0;
  int32_t c = 0;
  WindowRecord record = SmallWindow("UK$WINDOW", {Entry(1), Entry(2, 1, 1), Entry(3)});
  record.controls[1].type = layout::kTypeSpin;
  record.controls[1].use = UseDescriptor{1, 1};
  RegisterControlKind(layout::kTypeSpin, nullptr);
  OpenWindow(PrepareSmall(record, {{&a, 6, 4}, {&b, 1, 1}, {&c, 6, 4}}));
  Loop([] { return kTurnLeave; });
  EXPECT_EQ(StandInLog(), (Seq{"display 1", "display 3"}));
  EXPECT_EQ(DisplayedAddresses(), (std::vector<const void*>{&a, &c}));
}

TEST_F(WindowLife, ModalWindowsCountWhileOpen) {
  WindowRecord modal = SmallWindow("MO$WINDOW");
  modal.flags2 = 0x8;
  Window* first = PrepareSmall(modal);
  Window* second = PrepareSmall(SmallWindow("MP$WINDOW"));
  int32_t before = ModalCount();
  OpenWindow(first);
  OpenWindow(second);  // opened while the system is modal
  EXPECT_EQ(ModalCount(), before + 2);
  CloseWindow(second);
  CloseWindow(first);
  EXPECT_EQ(ModalCount(), before);
}

TEST_F(WindowLife, TheWindowKeepsItsOwnRecordWhenTheNextDefinitionLoads) {
  Window* window = PrepareSmall(SmallWindow("OW$WINDOW", {Entry(8)}));
  PrepareSmall(SmallWindow("OX$WINDOW", {Entry(40), Entry(41)}));  // replaces the shared buffer
  OpenWindow(window);
  EXPECT_EQ(FirstFieldNumber(), 8);
  EXPECT_EQ(LastFieldNumber(), 8);
  EXPECT_EQ(ui::GetWindowText(WindowHandle(window)), "Small");
}

// Run-time errors end the process with exit code 2 and the report on standard error.
class WindowLifeDeathTest : public WindowRuntimeTest {
 protected:
  void SetUp() override {
    WindowRuntimeTest::SetUp();
    res::RegisterErrorMessages(os::ExecutableModule());
  }
};

TEST_F(WindowLifeDeathTest, MissingDefinitionOrLabelIsInternalError02) {
  Define("test$PRESENT", {SmallWindow("HERE$WINDOW")});
  EXPECT_EXIT(PrepareWindow("test$ABSENT", "HERE$WINDOW", {}), ::testing::ExitedWithCode(2),
              "Internal error 02 : WSLDIAL");
  EXPECT_EXIT(PrepareWindow("test$PRESENT", "GONE$WINDOW", {}), ::testing::ExitedWithCode(2),
              "Internal error 02 : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, AMalformedImageIsInternalError02) {
  static const std::string image = std::string("test$BROKEN") + '\0' + "\x07\x00\x00\xff\xff\xff";
  os::AddResource(os::CreateModule("broken-definition"), layout::kResourceType, "BROKEN_RSC",
                  std::span(reinterpret_cast<const uint8_t*>(image.data()), image.size()));
  EXPECT_EXIT(PrepareWindow("test$BROKEN", "B$WINDOW", {}), ::testing::ExitedWithCode(2),
              "Internal error 02 : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, ShutdownClosesEveryOpenWindow) {
  Window* first = PrepareSmall(SmallWindow("S1$WINDOW"));
  Window* second = PrepareSmall(SmallWindow("S2$WINDOW"));
  EXPECT_EXIT(
      {
        SetUpWindowRuntime();
        OpenWindow(first);
        OpenWindow(second);
        rt::Shutdown();
        std::fprintf(stderr, "open after shutdown: %d %d\n", IsWindowOpen(first), IsWindowOpen(second));
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "open after shutdown: 0 0");
}

TEST_F(WindowLifeDeathTest, TooFewOrMismatchedVariablesAreInternalError01) {
  int32_t a = 0;
  Window* short_ = PrepareSmall(SmallWindow("TF$WINDOW", {Entry(1), Entry(2)}), {{&a, 6, 4}});
  EXPECT_EXIT(OpenWindow(short_), ::testing::ExitedWithCode(2), "Internal error 01 : WSLDIAL");
  Window* mismatched = PrepareSmall(SmallWindow("MM$WINDOW", {Entry(1)}), {{&a, 7, 4}});
  EXPECT_EXIT(OpenWindow(mismatched), ::testing::ExitedWithCode(2), "Internal error 01 : WSLDIAL");
  Window* sized = PrepareSmall(SmallWindow("MS$WINDOW", {Entry(1)}), {{&a, 6, 2}});
  EXPECT_EXIT(OpenWindow(sized), ::testing::ExitedWithCode(2), "Internal error 01 : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, OpeningAnOpenWindowIsError535) {
  Window* window = PrepareSmall(SmallWindow("AO$WINDOW"));
  OpenWindow(window);
  EXPECT_EXIT(OpenWindow(window), ::testing::ExitedWithCode(2), "Window is already open : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, AClassNameTakenAlreadyIsInternalError03) {
  Window* window = PrepareSmall(SmallWindow("CT$WINDOW"));
  EXPECT_EXIT(
      {
        // Another class holds the name the window's own class is to get.
        ui::WindowClass taken;
        taken.name = WindowClassName(ModuleNumber(window->module), NextWindowClassCounter() + 1);
        taken.proc = [](ui::Hwnd, uint32_t, ui::WParam, ui::LParam) -> ui::LResult { return 0; };
        ui::RegisterClass(taken);
        OpenWindow(window);
      },
      ::testing::ExitedWithCode(2), "Internal error 03 : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, AThreadBeyondTheThreadTableCannotOpenAWindow529) {
  Window* window = PrepareSmall(SmallWindow("TT$WINDOW"));
  EXPECT_EXIT(
      {
        // Threads that take every entry of the table and keep them to the end.
        std::atomic<int> claimed{0};
        for (int i = 0; i < detail::kThreadLimit; ++i) {
          std::thread([&claimed] {
            detail::CallingThread();
            ++claimed;
            for (;;) pause();
          }).detach();
        }
        while (claimed < detail::kThreadLimit) std::this_thread::yield();
        std::thread([window] { OpenWindow(window); }).join();
      },
      ::testing::ExitedWithCode(2), "Unable to open WINDOW : WSLDIAL");
}

TEST_F(WindowLifeDeathTest, AnAcceptLoopWithoutAWindowIsError537) {
  EXPECT_EXIT(Accept([] { return kTurnLeave; }), ::testing::ExitedWithCode(2),
              "ACCEPT loop requires a window : WSLDIAL");
}

}  // namespace
}  // namespace qor::win::testing
