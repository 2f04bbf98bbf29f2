#include "runtime/base/error_state.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "runtime/base/trace_log.h"

namespace qor::rt {
namespace {

class ErrorStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    res::RegisterErrorMessages(os::ExecutableModule());
    ClearMessageOverrides();
    ClearError();
  }
  void TearDown() override {
    ClearMessageOverrides();
    ClearError();
  }
};

TEST_F(ErrorStateTest, MessageTextComesFromTheTable) {
  EXPECT_EQ(MessageText(2), "File Not Found");
  EXPECT_EQ(MessageText(302), "File Not Found");
  EXPECT_EQ(MessageText(501), "Internal error 01");
  EXPECT_EQ(MessageText(802), "Mismatched PUSHSCOPE/POPSCOPE");
  // Stored texts are kept exactly, trailing and double blanks included.
  EXPECT_EQ(MessageText(78), "Invalid Number Of Parameters ");
  EXPECT_EQ(MessageText(350), "Not Supported ");
  EXPECT_EQ(MessageText(403), "Termination caused by signal.  (User break or Floating point)");
}

TEST_F(ErrorStateTest, UnknownCodesDegradeToUnknownErrorPosted) {
  EXPECT_EQ(MessageText(0), "Unknown Error Posted");
  EXPECT_EQ(MessageText(999), "Unknown Error Posted : 999");
  EXPECT_EQ(MessageText(-5), "Unknown Error Posted : -5");
  EXPECT_EQ(MessageText(70000), "Unknown Error Posted : 70000");
  EXPECT_EQ(MessageText(1), "Unknown Error Posted : 1");
}

TEST_F(ErrorStateTest, OverridesReplaceTextsEverywhere) {
  SetMessageOverride(2, "No such file here");
  EXPECT_EQ(MessageText(2), "No such file here");
  SetError(2);
  EXPECT_EQ(ErrorText(), "No such file here");
  SetMessageOverride(2, "Second thoughts");
  EXPECT_EQ(MessageText(2), "Second thoughts");
  // An override of 81 changes the text unknown codes degrade to.
  SetMessageOverride(81, "Mystery");
  EXPECT_EQ(MessageText(999), "Mystery : 999");
  // An override may give a text to a code the table lacks.
  SetMessageOverride(32512, "OK");
  EXPECT_EQ(MessageText(32512), "OK");
  ClearMessageOverrides();
  EXPECT_EQ(MessageText(2), "File Not Found");
}

TEST_F(ErrorStateTest, AnOverrideReadsStraightFromTheListWithoutTheUnknownText) {
  EXPECT_EQ(MessageOverride(32513), std::nullopt);
  SetMessageOverride(32513, "&Ja");
  EXPECT_EQ(MessageOverride(32513), "&Ja");
  ClearMessageOverrides();
  EXPECT_EQ(MessageOverride(32513), std::nullopt);
}

TEST_F(ErrorStateTest, MessageTextsAreCutAt255Characters) {
  SetMessageOverride(7, std::string(400, 'x'));
  EXPECT_EQ(MessageText(7).size(), kMessageTextLimit);
  SetMessageOverride(81, std::string(254, 'y'));
  EXPECT_EQ(MessageText(12345).size(), kMessageTextLimit);
}

TEST_F(ErrorStateTest, SetErrorFillsCodeAndText) {
  SetError(5);
  EXPECT_EQ(ErrorCode(), 5);
  EXPECT_EQ(ErrorText(), "Access Denied");
  EXPECT_EQ(PaddedErrorText().size(), kErrorTextWidth);
  EXPECT_EQ(PaddedErrorText(), "Access Denied" + std::string(kErrorTextWidth - 13, ' '));
  SetError(999);
  EXPECT_EQ(ErrorCode(), 999);
  EXPECT_EQ(ErrorText(), "Unknown Error Posted : 999");
}

TEST_F(ErrorStateTest, ErrorTextDropsLeadingBlanksAndKeeps79Characters) {
  SetMessageOverride(40, "   " + std::string(100, 'k'));
  SetError(40);
  EXPECT_EQ(ErrorText(), std::string(79, 'k'));
  EXPECT_EQ(PaddedErrorText(), std::string(79, 'k') + " ");
}

TEST_F(ErrorStateTest, CodeZeroTakesTheLastOsErrorPlus300) {
  errno = EACCES;
  SetError(0);
  EXPECT_EQ(ErrorCode(), 305);
  EXPECT_EQ(ErrorText(), "Access Denied");
  EXPECT_EQ(LastPlatformError(), 5u);
  errno = ENOENT;
  SetError(0);
  EXPECT_EQ(ErrorCode(), 302);
  EXPECT_EQ(ErrorText(), "File Not Found");
  errno = 0;
  SetError(0);
  EXPECT_EQ(ErrorCode(), 300);
  EXPECT_EQ(ErrorText(), "Unknown Error Posted : 300");
}

TEST_F(ErrorStateTest, SetErrorCapturesTheOsErrorEvenForOtherCodes) {
  errno = ENOMEM;
  SetError(33);
  EXPECT_EQ(ErrorCode(), 33);
  EXPECT_EQ(LastPlatformError(), 8u);
}

TEST_F(ErrorStateTest, ClearErrorBlanksEveryField) {
  SetError(2);
  SetFileError(1234, "driver says no");
  SetErrorFileName("/tmp/data.dat");
  EXPECT_EQ(FileErrorCode(), 1234);
  EXPECT_EQ(FileErrorText(), "driver says no");
  EXPECT_EQ(ErrorFileName(), "/tmp/data.dat");
  ClearError();
  EXPECT_EQ(ErrorCode(), 0);
  EXPECT_EQ(ErrorText(), "");
  EXPECT_EQ(PaddedErrorText(), std::string(kErrorTextWidth, ' '));
  EXPECT_EQ(FileErrorCode(), 0);
  EXPECT_EQ(FileErrorText(), "");
  EXPECT_EQ(ErrorFileName(), "");
}

TEST_F(ErrorStateTest, FileFieldsAreCutToTheirWidths) {
  SetFileError(1, std::string(300, 'f'));
  EXPECT_EQ(FileErrorText().size(), kFileErrorTextWidth);
  SetErrorFileName(std::string(100, 'n'));
  EXPECT_EQ(ErrorFileName().size(), kErrorFileNameWidth);
}

class LinesSink : public TraceSink {
 public:
  std::vector<std::string> lines;
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
};

TEST_F(ErrorStateTest, EachErrorSetIsTraced) {
  LinesSink sink;
  InstallTraceSink(&sink);
  SetError(305);
  SetError(999);
  ClearError();
  InstallTraceSink(nullptr);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"Error 305: Access Denied",
                                                  "Error 999: Unknown Error Posted : 999"}));
}

TEST(MessageTableTest, HoldsAll174Messages) {
  os::ModuleHandle module = os::CreateModule("message table test");
  res::RegisterErrorMessages(module);
  EXPECT_EQ(os::ResourceNames(module, os::kResourceString).size(), 174u);
  // Registering twice replaces rather than duplicates.
  res::RegisterErrorMessages(module);
  EXPECT_EQ(os::ResourceNames(module, os::kResourceString).size(), 174u);
}

}  // namespace
}  // namespace qor::rt
