// Window classes of the runtime, icon and cursor names, lookup from handles, and the
// refusal of a session's end.
#include <gtest/gtest.h>

#include "runtime/base/flags.h"
#include "runtime/base/ui_service.h"
#include "tests/window/support/runtime_fixture.h"
#include "window/classes/application_icon.h"
#include "window/classes/frame_client.h"
#include "window/classes/icon_names.h"
#include "window/classes/session_refusal.h"
#include "window/classes/window_class_name.h"
#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/message_box/box_window_services.h"
#include "window/events/runtime_messages.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/properties.h"
#include "window/platform/core/session.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/resources/icon.h"
#include "window/platform/resources/stock_icons.h"
#include "window/set_up_window_runtime.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using Seq = std::vector<std::string>;
using WindowClasses = WindowRuntimeTest;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text += static_cast<char>(b);
  return text;
}

// A foreign window class that logs the runtime messages it is sent.
std::vector<uint32_t>& ForeignMessages() {
  static std::vector<uint32_t> messages;
  return messages;
}

ui::LResult ForeignProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message >= 0x2400 && message < 0x2500) ForeignMessages().push_back(message);
  return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

ui::Hwnd MakeForeignWindow() {
  if (!ui::GetClassInfo("ForeignFrame")) ui::RegisterClass(ui::WindowClass{"ForeignFrame", ForeignProc});
  return ui::CreateWindow("ForeignFrame", "foreign", ui::WS_POPUP, {0, 0, 50, 50});
}

TEST_F(WindowClasses, EachOpeningGetsItsOwnClassNamedAfterModuleAndCounter) {
  Window* window = PrepareSmall(SmallWindow("CN$WINDOW"));
  OpenWindow(window);
  std::string first = ui::GetClassName(WindowHandle(window));
  CloseWindow(window);
  EXPECT_FALSE(ui::GetClassInfo(first));  // the class went with its window
  OpenWindow(window);
  std::string second = ui::GetClassName(WindowHandle(window));
  EXPECT_NE(first, second);
  std::string prefix = "QorWin" + std::to_string(os::LoadedModules().size()) + "Class";  // the tests' module
  EXPECT_TRUE(first.starts_with(prefix)) << first;
  EXPECT_EQ(std::stoul(second.substr(prefix.size())), std::stoul(first.substr(prefix.size())) + 1);
  EXPECT_EQ(WindowClassName(1, 1), "QorWin1Class1");
  EXPECT_EQ(ModuleNumber(os::ExecutableModule()), 1u);
}

TEST_F(WindowClasses, WithoutIconOrCursorAWindowShowsTheApplicationIconAndTheArrow) {
  Window* plain = PrepareSmall(SmallWindow("PI$WINDOW"));
  OpenWindow(plain);
  EXPECT_EQ(ui::GetCursorId(ui::GetClassCursor(WindowHandle(plain))), ui::IDC_ARROW);
  EXPECT_EQ(ui::GetClassIcon(WindowHandle(plain)), ui::LoadIcon(nullptr, ui::IDI_APPLICATION));
  CloseWindow(plain);

  ui::IconHandle application = ui::LoadIcon(nullptr, ui::IDI_QUESTION);
  SetApplicationIcon(application);
  OpenWindow(plain);
  ui::IconHandle copy = ui::GetClassIcon(WindowHandle(plain));
  SetApplicationIcon(ui::IconHandle::None);
  EXPECT_NE(copy, application);  // a copy, freed with the class
  EXPECT_EQ(ui::GetIconSize(copy), ui::GetIconSize(application));
  CloseWindow(plain);
  EXPECT_FALSE(ui::IconFromHandle(copy));
}

TEST_F(WindowClasses, TheDefinitionsIconAndCursorNameTheClasses) {
  WindowRecord record = SmallWindow("IC$WINDOW");
  record.icon = Bytes({0xFF, 0x01, 0x04, 0x7F});    // exclamation
  record.cursor = Bytes({0xFF, 0x01, 0x03, 0x7F});  // wait
  Window* window = PrepareSmall(record);
  OpenWindow(window);
  EXPECT_EQ(ui::GetClassIcon(WindowHandle(window)), ui::LoadIcon(nullptr, ui::IDI_EXCLAMATION));
  EXPECT_EQ(ui::GetCursorId(ui::GetClassCursor(WindowHandle(window))), ui::IDC_WAIT);
}

TEST_F(WindowClasses, NamesInTheirFourFormsAndNamesThatNameNothing) {
  EXPECT_EQ(IconFromName(Bytes({0xFF, 0x01, 0x04, 0x7F})), ui::LoadIcon(nullptr, ui::IDI_EXCLAMATION));
  EXPECT_EQ(ui::GetCursorId(CursorFromName(Bytes({0xFF, 0x01, 0x81, 0x7F}))), ui::IDC_SIZEALL);  // 32640
  EXPECT_EQ(ui::GetCursorId(CursorFromName(Bytes({0xFF, 0x01, 0x82, 0x7F}))), ui::IDC_ARROW);    // 32641
  EXPECT_EQ(IconFromName(Bytes({0xFF, 0x01, 0x04})), ui::IconHandle::None);        // too short
  EXPECT_EQ(IconFromName(Bytes({0xFF, 0x02})), ui::IconHandle::None);
  EXPECT_EQ(IconFromName(Bytes({0xFF, 0x01, 0x00, 0x00})), ui::IconHandle::None);  // n = 0
  EXPECT_EQ(CursorFromName(Bytes({0xFF, 0x02, 0x00, 0x00})), ui::CursorHandle::None);
  EXPECT_EQ(IconFromName(Bytes({0xFF, 0x02, 0x01, 0x00})), ui::IconHandle::None);  // the program has no icon 0
  EXPECT_EQ(IconFromName("~nothing.ico"), ui::IconHandle::None);
  EXPECT_EQ(IconFromName("/no/such/file.ico[2]"), ui::IconHandle::None);
  EXPECT_EQ(IconFromName(""), ui::IconHandle::None);
  EXPECT_EQ(ResourceNameOf("QFUPROW.ICO"), "QFUPROW_ICO");
  EXPECT_EQ(ResourceNameOf("qf.up.row"), "QF_UP_ROW");
  EXPECT_EQ(ui::GetCursorId(CursorOrArrow("no-such-cursor")), ui::IDC_ARROW);
}

TEST_F(WindowClasses, WindowsAndControlsAreFoundFromTheirHandles) {
  Window* window = PrepareSmall(SmallWindow("LK$WINDOW", {Entry(6)}));
  OpenWindow(window);
  ui::Hwnd hwnd = WindowHandle(window);
  EXPECT_EQ(WindowObjectFromHandle(hwnd).window, window);
  RuntimeObject control = WindowObjectFromHandle(ui::GetDlgItem(hwnd, 0x4000 + 6));
  ASSERT_TRUE(control.control);
  EXPECT_EQ(control.control->Number(), 6);
  // The reference is kept as two 32-bit halves.
  auto reference = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
  EXPECT_EQ(ui::GetProp(hwnd, "lo_pfield"), reference & 0xFFFFFFFFu);
  EXPECT_EQ(ui::GetProp(hwnd, "hi_pfield"), reference >> 32);
  EXPECT_TRUE(IsRuntimeWindow(hwnd));
  CloseWindow(window);
  EXPECT_FALSE(WindowObjectFromHandle(hwnd));  // dead handle
  EXPECT_FALSE(IsRuntimeWindow(hwnd));
}

TEST_F(WindowClasses, WithoutPropertiesARuntimeWindowIsAskedAndAForeignOneNever) {
  Window* window = PrepareSmall(SmallWindow("LQ$WINDOW"));
  OpenWindow(window);
  ui::Hwnd hwnd = WindowHandle(window);
  ui::RemoveProp(hwnd, "lo_pfield");
  EXPECT_EQ(WindowObjectFromHandle(hwnd).window, window);  // through QUERY_PFIELD

  ForeignMessages().clear();
  ui::Hwnd foreign = MakeForeignWindow();
  EXPECT_FALSE(IsRuntimeWindow(foreign));
  EXPECT_FALSE(WindowObjectFromHandle(foreign));
  EXPECT_TRUE(ForeignMessages().empty());
  // A reference to nothing live counts as none.
  ui::SetProp(foreign, "lo_pfield", 0x1234);
  ui::SetProp(foreign, "hi_pfield", 0);
  EXPECT_FALSE(WindowObjectFromHandle(foreign));
  ui::DestroyWindow(foreign);
}

class RecordingUi : public rt::UiService {
 public:
  bool HasDisplay() const override { return true; }
  uint32_t ShowBox(const rt::BoxRequest& request) override {
    boxes.push_back(std::string(request.title) + "|" + std::string(request.text) + "|" +
                    std::to_string(static_cast<int>(request.icon)) + "|" + std::to_string(request.buttons) + "|" +
                    (request.systemModal ? "system-modal" : "owned"));
    return rt::kBoxOk;
  }
  std::vector<std::string> boxes;
};

TEST_F(WindowClasses, EveryRequestToEndTheSessionIsRefusedWithTheBox) {
  OpenWindow(PrepareSmall(SmallWindow("SR$WINDOW")));
  RecordingUi ui;
  rt::InstallUiService(&ui);
  bool first = ui::QueryEndSession(ui::ENDSESSION_LOGOFF);
  bool second = ui::QueryEndSession(0);
  rt::InstallUiService(nullptr);
  EXPECT_FALSE(first);
  EXPECT_FALSE(second);
  std::string box = "test_window_classes|Application still active.\n\nQuit the application before quitting Windows.|" +
                    std::to_string(static_cast<int>(rt::BoxIcon::Exclamation)) + "|1|system-modal";
  EXPECT_EQ(ui.boxes, (Seq{box, box}));
  EXPECT_EQ(SessionRefusalCaption(), "test_window_classes");
}

TEST_F(WindowClasses, BitThreeOfTheFlagWordGivesTheRefusalItsAlternativeCaption) {
  rt::SetRuntimeFlagWord(rt::kAlternativeCaptionFlag);
  std::string alternative = SessionRefusalCaption();
  rt::SetRuntimeFlagWord(0);
  EXPECT_EQ(alternative, "Tessary 5");
  EXPECT_EQ(SessionRefusalCaption(), "test_window_classes");
}

TEST_F(WindowClasses, SetUpRegistersTheAuxiliaryClassOnce) {
  SetUpWindowRuntime();
  SetUpWindowRuntime();
  std::optional<ui::WindowClass> auxiliary = ui::GetClassInfo(kAuxiliaryClassName);
  ASSERT_TRUE(auxiliary);
  EXPECT_EQ(auxiliary->icon, ui::IconHandle::None);
  EXPECT_EQ(auxiliary->cursor, ui::CursorHandle::None);
  EXPECT_TRUE(WindowRuntimeSetUp());
  RefreshFrameClient();  // no frame: nothing to do
}

TEST_F(WindowClasses, SetUpGivesMessageBoxesTheCurrentWindowAndIconsByName) {
  SetUpWindowRuntime();
  EXPECT_FALSE(BoxCurrentWindow());
  Window* window = PrepareSmall(SmallWindow("MB$WINDOW"));
  OpenWindow(window);
  EXPECT_EQ(BoxCurrentWindow(), WindowHandle(window));
  EXPECT_FALSE(BoxFrameWindow());
  ui::IconHandle question = LoadBoxIcon(StockIconName(ui::IDI_QUESTION));
  EXPECT_NE(question, ui::IconHandle::None);
  ui::DestroyIcon(question);
  EXPECT_EQ(LoadBoxIcon("no-such-icon.ico"), ui::IconHandle::None);
}

}  // namespace
}  // namespace qor::win::testing
