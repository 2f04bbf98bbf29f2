// The error manager: the default table byte for byte, each severity through the box on
// the headless host, placeholders from the captured error state, later tables winning,
// the notices for unknown ids and empty lists, and the fatal path ending with exit 0.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/error_manager.h"
#include "framework/error_manager_descriptor.h"
#include "framework/error_manager_file_errors.h"
#include "framework/files/data_file.h"
#include "framework/files/file_manager.h"
#include "framework/levels.h"
#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "resources/messages/error_tables.h"
#include "runtime/base/error_state.h"
#include "tests/framework/descriptors/descriptor_bytes.h"
#include "window/message_box/box_template.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/message_statement.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/system_controls/system_classes.h"

namespace qor::fw {
namespace {

using ui::VK_ESCAPE;
using ui::VK_RETURN;

// The run-time error texts ("File Not Found") for the whole program.
[[maybe_unused]] const bool kMessagesRegistered = [] {
  res::RegisterErrorMessages(os::ExecutableModule());
  return true;
}();

std::vector<uint8_t> Table(std::vector<MessageDefinition> definitions) { return *PackMessageTable(definitions); }

// What one box showed: "title | text | buttons | icon".
std::string Shown() {
  ui::Hwnd box = ui::GetActiveWindow();
  std::string buttons;
  bool icon = false;
  std::string text;
  for (ui::Hwnd child : ui::GetChildren(box)) {
    intptr_t id = ui::GetDlgCtrlID(child);
    if (id == win::kBoxIconId) icon = true;
    if (id == win::kBoxTextId) text = ui::GetWindowText(child);
    if (id != win::kBoxIconId && id != win::kBoxTextId) buttons += (buttons.empty() ? "" : ",") + ui::GetWindowText(child);
  }
  return ui::GetWindowText(box) + " | " + text + " | " + buttons + (icon ? " | icon" : "");
}

class ErrorManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::RegisterSystemClasses());
    rt::ClearError();
    errors.Init();
  }
  void TearDown() override {
    win::SetMessageHandler(nullptr);
    rt::ClearError();
    ui::Msg leftover;
    while (ui::PeekMessage(leftover)) {
    }
  }
  // Notes the box at 10 ms and answers it with a key at 20 ms.
  void AnswerWith(uint32_t key) {
    host.Schedule(10, [this] { shown.push_back(Shown()); });
    host.Schedule(20, [this, key] { host.Press(key); });
  }

  ui::HeadlessHost host;
  ErrorManager errors;
  std::vector<std::string> shown;
};

TEST(DefaultErrorTableTest, ThirtyNineEntriesByteForByte) {
  std::span<const uint8_t> table = res::DefaultErrorTable();
  std::ifstream raw(QOR_DEFAULT_ERROR_TABLE, std::ios::binary);
  std::vector<uint8_t> written((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
  EXPECT_EQ(std::vector<uint8_t>(table.begin(), table.end()), written);
  std::vector<uint8_t> first = {39, 0, 27, 0, 5, 11, 'I', 'n', 'v', 'a', 'l', 'i', 'd', ' ', 'K', 'e', 'y', 47, '%'};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), table.begin()));
  std::vector<MessageDefinition> entries = UnpackMessageTable(table);
  ASSERT_EQ(entries.size(), 39u);
  std::vector<uint16_t> ids;
  std::string severities;
  size_t bytes = 2;
  for (const MessageDefinition& e : entries) {
    ids.push_back(e.id);
    severities += static_cast<char>('0' + e.severity);
    bytes += 5 + e.title.size() + e.text.size();
  }
  EXPECT_EQ(ids, (std::vector<uint16_t>{27, 26, 10, 24, 17, 18, 16, 14, 31, 30, 4, 6, 7, 34, 33, 20, 38, 12, 8, 13,
                                        32, 19, 36, 37, 23, 25, 11, 9, 35, 21, 1, 40, 3, 28, 5, 15, 22, 2, 39}));
  EXPECT_EQ(severities, "533555555555511555151511355115551555552");
  EXPECT_EQ(bytes, table.size());
  EXPECT_EQ(entries[20].text, "Attempts to automatically number this record have failed.  Error: %ErrorText. Try Again?");
  EXPECT_EQ(entries[15].text, "This form cannot be used to insert a record");
  EXPECT_EQ(entries[12].text,
            "This record was changed by another station. Those changes will now be displayed. Use the Ditto Button "
            "or Ctrl+' to recall your changes.");
  EXPECT_EQ(entries[38], (MessageDefinition{39, 2, "File Usage Error", "Attempt to use file (%File) before it was opened"}));
}

TEST_F(ErrorManagerTest, AQuestionAnsweredNoGivesFourAndYesZero) {
  AnswerWith('N');
  EXPECT_EQ(errors.Raise(8), LevelDeclined);
  AnswerWith(VK_RETURN);
  EXPECT_EQ(errors.Raise(8), LevelQuiet);
  EXPECT_EQ(shown, (std::vector<std::string>(2, "Changes will be lost! | Are you sure you want to cancel? | &Yes,&No | icon")));
}

TEST_F(ErrorManagerTest, ANoticeShowsOkAndGivesFiveAndQuietShowsNothing) {
  AnswerWith(VK_RETURN);
  EXPECT_EQ(errors.Raise(22), LevelNotify);
  EXPECT_EQ(shown, (std::vector<std::string>{"No Records | There are no records available to process. | OK | icon"}));
  errors.AddErrors(Table({{50, 0, "Quiet", "q"}, {51, 4, "Declined", "d?"}}));
  EXPECT_EQ(errors.Raise(50), LevelQuiet);
  EXPECT_FALSE(host.Starved());  // no box waited
  AnswerWith('Y');
  EXPECT_EQ(errors.Raise(51), LevelQuiet);  // severity 4 asks like 1
}

TEST_F(ErrorManagerTest, AnUnknownIdShowsANoticeSayingSoAndGivesFive) {
  AnswerWith(VK_RETURN);
  EXPECT_EQ(errors.Raise(999), LevelNotify);
  EXPECT_EQ(shown, (std::vector<std::string>{"Unknown Message | Message 999 is not defined. | OK | icon"}));
}

TEST_F(ErrorManagerTest, AnEmptyListShowsTheNoticeAndGivesZero) {
  errors.Kill();
  EXPECT_FALSE(errors.HasErrors());
  errors.AddErrors(res::DefaultErrorTable());  // nothing to add to
  AnswerWith(VK_RETURN);
  EXPECT_EQ(errors.Raise(8), LevelQuiet);
  ErrorManager never;
  AnswerWith(VK_RETURN);
  EXPECT_EQ(never.Raise(27), LevelQuiet);
  EXPECT_EQ(shown, (std::vector<std::string>{"Unknown Message | Message 8 is not defined. | OK | icon",
                                              "Unknown Message | Message 27 is not defined. | OK | icon"}));
}

TEST_F(ErrorManagerTest, LaterTablesWinAndPreviousInsertsTheOlderTextAsStored) {
  errors.AddErrors(Table({{19, 5, "Load", "Again: %Previous (%File)"}}));
  errors.SetFileName("ORDERS.DAT   ");
  AnswerWith(VK_RETURN);
  EXPECT_EQ(errors.Raise(19), LevelNotify);
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Load | Again: %File File Load Error.  Error: %ErrorText. (ORDERS.DAT) | OK | icon"}));
  EXPECT_EQ(errors.DefinitionCount(), 40u);
}

TEST_F(ErrorManagerTest, PlaceholdersComeFromTheErrorStateCapturedByRaise) {
  rt::SetError(2);
  rt::SetFileError(0, "");
  errors.SetFileName("CUSTOMER.DAT");
  errors.AddErrors(Table({{60, 0, "q", "%ErrorText"}}));
  errors.Raise(60);
  EXPECT_EQ(errors.SaveErrorCode(), 2);
  EXPECT_EQ(errors.SaveError(), "File Not Found");
  EXPECT_EQ(errors.SaveFileErrorCode(), "");  // 0 reads as nothing
  EXPECT_EQ(errors.ExpandMessage(), "File Not Found (2)");
  rt::SetError(90);
  rt::SetFileError(1107, std::string(300, 'z') + "   ");
  errors.Raise(60);
  EXPECT_EQ(errors.SaveFileErrorCode(), "1107");
  EXPECT_EQ(errors.SaveFileError().size(), kErrorFieldLimit);
  EXPECT_EQ(errors.ExpandMessage(), std::string(254, 'z') + " (1107)");
}

// Answers Yes to the question of message 8, No to anything else.
int32_t Replacement(const win::MessageArguments& a) {
  return a.title == "Changes will be lost!" && a.icon == win::StockIconName(32514) && a.buttons == "6" &&
                 a.defaultButton == 2
             ? 2
             : 4;
}

TEST_F(ErrorManagerTest, ItsBoxesGoThroughTheMessageStatementAndItsHandler) {
  win::SetMessageHandler(Replacement);
  EXPECT_EQ(errors.Raise(8), LevelQuiet);  // the handler answered Yes
  EXPECT_EQ(errors.ShowMessage(23, 0x42, 0x40), 4u);
}

TEST_F(ErrorManagerTest, ShowMessageUsesTheCallersButtonsAndIgnoresTheSeverity) {
  AnswerWith(VK_ESCAPE);
  EXPECT_EQ(errors.ShowMessage(23, 0x43, 0x40), 0x40u);  // fatal 23, but nothing halts
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "File Access Error | File () could not be opened.  Error:  (0). | OK,&Yes,Cancel | icon"}));
}

TEST(ErrorManagerFatalTest, AFatalMessageAppendsItsNoticeThenHaltsWithZero) {
  auto raise = [] {
    rt::SetError(2);
    ErrorManager errors;
    errors.Init();
    errors.SetFileName("CUSTOMER.DAT");
    errors.Raise(23);
  };
  EXPECT_EXIT(raise(), ::testing::ExitedWithCode(0),
              "^File Access Error: File \\(CUSTOMER.DAT\\) could not be opened.  Error: File Not Found \\(2\\)."
              "  Press OK to end this application\nHalt: File Access Error\n$");
  auto program = [] {
    ErrorManager errors;
    errors.Init();
    errors.AddErrors(Table({{70, 9, "Odd", "severity nine"}}));
    errors.Raise(70);
  };
  EXPECT_EXIT(program(), ::testing::ExitedWithCode(0), "^Odd: severity nine  Press OK to end this application\nHalt: Odd\n$");
}

// A file manager reports through the procedure's error manager: a lazily opened file
// used before any open raises "File Usage Error", a program error, which halts with 0.
TEST(ErrorManagerFatalTest, AFileUsedBeforeItWasOpenedHaltsThroughTheErrorManager) {
  auto use = [] {
    ErrorManager errors;
    errors.Init();
    ErrorManagerFileErrors fileErrors(errors);
    DataFile file("ORDERS.DAT", 8);
    FileManager manager(file, fileErrors);
    manager.lazyOpen = true;
    manager.UseFile();
  };
  EXPECT_EXIT(use(), ::testing::ExitedWithCode(0),
              "^File Usage Error: Attempt to use file \\(ORDERS.DAT\\) before it was opened"
              "  Press OK to end this application\nHalt: File Usage Error\n$");
}

TEST(ErrorManagerDescriptorTest, EightFieldsBehindTheMethodWord) {
  using test::AppendName;
  std::span<const uint8_t> bytes = ErrorManagerDescriptor();
  ASSERT_GE(bytes.size(), 14u);
  std::vector<uint8_t> expected = test::Header(1542, 8, static_cast<uint32_t>(bytes.size()));
  test::Append(expected, {0x1F, 0x0A, 4});
  AppendName(expected, "ERRORS");
  test::Append(expected, {0x04});
  for (const char* name : {"FIELDNAME", "FILENAME", "MESSAGETEXT", "SAVEERROR"}) {
    test::Append(expected, {0x13, 0x02, 0x20, 0xFF});
    AppendName(expected, name);
  }
  test::Append(expected, {0x06, 0x02});
  AppendName(expected, "SAVEERRORCODE");
  for (const char* name : {"SAVEFILEERROR", "SAVEFILEERRORCODE"}) {
    test::Append(expected, {0x13, 0x02, 0x20, 0xFF});
    AppendName(expected, name);
  }
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), expected);
  EXPECT_FALSE(MessageDefinitionDescriptor().empty());
}

}  // namespace
}  // namespace qor::fw
